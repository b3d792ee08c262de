// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the update's FTP client that every client shares: the cap on the files of one
// update, which a fake client checks as well as the real one.
#include <algorithm>

#include "update/update_list.h"
#include "update/update_services.h"

namespace zelvik::update {

int FtpClient::GetFiles(const std::vector<std::string>& remote, const std::vector<std::filesystem::path>& local) {
  const std::size_t pairs = std::max(remote.size(), local.size());
  failed_.assign(pairs, true);
  int failures = 0;
  for (std::size_t i = 0; i < pairs; ++i) {
    if (i < remote.size() && i < local.size() && i < static_cast<std::size_t>(kMaxUpdateFiles)) {
      failed_[i] = !GetFile(remote[i], local[i]);
    }
    failures += failed_[i] ? 1 : 0;
  }
  return failures;
}

}  // namespace zelvik::update
