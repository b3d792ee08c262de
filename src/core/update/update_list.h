// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/list_file.h"

namespace zelvik::update {

inline constexpr int kMaxUpdateFiles = 100;

// What an update list offers, read with the list file's own lookups.
struct UpdateList {
  std::string newVersion;  // "newversion"
  std::string upexe;       // "upexe": the new program, one of the files
  int upnumber = 0;        // "upnumber"
  // "filelist" and "sha256", keys "1" to upnumber; a missing key reads as empty.
  std::vector<std::string> names;
  std::vector<std::string> hashes;
  bool mentionsOldexe = false;  // the list already holds the text the program appends
};

UpdateList ReadUpdateList(const ListFileText& text);

// Why the update must be refused as a whole, or nullopt when it may go ahead: the count is
// outside 1 to 100, a name is missing, unacceptable or repeated, upexe is not one of the
// files, or (withHashes) a hash is not 64 hex digits.
std::optional<std::string> UpdateListProblem(const UpdateList& list, bool withHashes);

bool IsSha256Hex(std::string_view text);

// The list text with its "sha256" section (the "[sha256]" line up to the next line that
// starts with "[") replaced by one at the end holding the hashes under "1", "2", ...
std::string WithHashSection(std::string_view listText, const std::vector<std::string>& hashes);

}  // namespace zelvik::update
