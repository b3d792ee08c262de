// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string_view>

// Whole-file replacement that never leaves a half-written file: the content goes to a
// temporary file in the target's folder, is synced and renamed over the target.
namespace zelvik {

// The folder a file lives in; "." for a bare name.
std::filesystem::path FolderOf(const std::filesystem::path& file);

bool IsDirectory(const std::filesystem::path& dir);

// Creates the missing folders with mode 0700, as private folders are made.
bool CreateFolders(const std::filesystem::path& dir);

// Writes go through a symbolic link to its target rather than replacing the link, also when
// the target does not exist yet (a link into a dot-file repository before its first write).
std::filesystem::path WriteTarget(const std::filesystem::path& path);

// Removes the temporary files of writers of `target` that were killed between naming and
// renaming them (their process is gone).
void SweepDeadWritersFiles(const std::filesystem::path& target);

// Replaces `target` (already resolved by WriteTarget) by `content`. `old` describes the file
// being replaced, whose owner, group and mode the new one keeps; null when there is none.
// Returns false and leaves the target as it was when anything fails.
bool ReplaceAtomically(const std::filesystem::path& target, std::string_view content, const struct stat* old);

}  // namespace zelvik
