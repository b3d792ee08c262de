// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "list/list_csv.h"

// List files on disk, and the current list kept between runs so that a crash or a kill
// loses nothing.
namespace zelvik {

// $XDG_DATA_HOME/zelvik/current.csv, by default ~/.local/share/zelvik/current.csv.
std::filesystem::path CurrentListPath();

// Reads a list file whole; a file that cannot be read at all is a problem of line 0.
ListFileResult ReadListFile(const std::filesystem::path& path, const SpecResolver& resolver);

// Writes the list file atomically (a temporary file synced and renamed over it), creating
// its folder at need; false when that fails, the old file then being untouched.
bool WriteListFile(const std::filesystem::path& path, std::span<const ListRow> rows, int decimals);

class CurrentListStore {
 public:
  explicit CurrentListStore(std::filesystem::path path = CurrentListPath()) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // The rows kept; no file is an empty list. A file that cannot be read stays as it is:
  // SetAside() it before the next Save() to keep it.
  ListFileResult Load(const SpecResolver& resolver) const;
  // After each change.
  bool Save(std::span<const ListRow> rows, int decimals = 2) const { return WriteListFile(path_, rows, decimals); }
  // Renames the file to "current.unreadable.csv" beside it (replacing an older one) and
  // returns that path; empty when there was nothing to move or the rename failed.
  std::filesystem::path SetAside() const;

 private:
  std::filesystem::path path_;
};

}  // namespace zelvik
