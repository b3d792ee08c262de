// SPDX-License-Identifier: GPL-3.0-or-later
// The real file operations behind update::Files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

#include "config/config_path.h"
#include "update/update_services.h"

namespace zelvik::update {

namespace fs = std::filesystem;

bool Files::CanUpdateFolder(const fs::path& folder) {
  // A packaged copy is updated by the package manager, whatever rights this process has.
  if (IsPackagedFolder(folder)) return false;
  struct stat st;
  if (folder.empty() || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool Files::Exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

bool Files::IsRegularFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

bool Files::CreateFolders(const fs::path& p) {
  std::error_code ec;
  fs::create_directories(p, ec);
  return fs::is_directory(p, ec);
}

bool Files::Rename(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

bool Files::Remove(const fs::path& p) {
  std::error_code ec;
  return fs::remove(p, ec);
}

void Files::RemoveAll(const fs::path& p) {
  std::error_code ec;
  fs::remove_all(p, ec);
}

bool Files::MakeExecutable(const fs::path& p) {
  struct stat st;
  if (::stat(p.c_str(), &st) != 0) return false;
  // Execute wherever read is allowed, as a freshly built program has it.
  const mode_t mode = (st.st_mode & 07777) | ((st.st_mode & 0444) >> 2) | S_IXUSR;
  return ::chmod(p.c_str(), mode) == 0;
}

std::optional<std::string> Files::ReadSmallFile(const fs::path& p, std::size_t maxBytes) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char buf[8192];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    bytes.append(buf, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > maxBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace zelvik::update
