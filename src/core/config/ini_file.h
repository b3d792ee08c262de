// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "config/ini_document.h"

namespace zelvik {

// Files above this size are read only up to it (whole lines) and never written: writing
// back the part that was read would cut the rest off. No write makes a file larger.
inline constexpr std::size_t kIniMaxFileBytes = std::size_t{4} << 20;

// One version of the file as it lies on disk. Every write renames a new file into place, so
// the inode changes with each of ours; time and size catch an editor that rewrites in place.
struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t mtimeNs = 0;
  std::int64_t size = 0;

  bool operator==(const FileStamp&) const = default;
};

// Private-profile access to one INI file: GBK on disk, UTF-8 in the interface, names
// compared as IniDocument describes.
//
// Every read and every read-modify-write takes an advisory lock (flock on the file's
// folder: the file itself is replaced by rename, and a lock file would litter the folder),
// and every write re-reads the file under that lock, so two running copies never lose each
// other's keys. Writes go to a hidden temporary file in the same folder, which is synced and
// renamed over the old file with the old file's permissions; a write that leaves the file
// empty deletes it, and a write that changes nothing leaves the file untouched. A missing
// folder is created only when there is something to store.
//
// Failures are return values: reads give their defaults, writes return false and leave the
// file as it was. Nothing throws. An IniFile holds no state but its path; each call sees
// the file as it is then. To read many keys, Load() once and query the document. It remembers
// which version of the file its last Load or Edit saw, so that whoever shows what it read can
// tell when another writer has changed the file since.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  // The file's content now. A missing or unreadable file gives an empty document.
  IniDocument Load() const;

  // The version of the file on disk now, and the one the last Load or Edit of this object
  // read or left.
  FileStamp Stamp() const;
  const FileStamp& seen() const { return seen_; }
  bool ChangedSinceSeen() const { return Stamp() != seen_; }

  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultValue = {}) const;
  int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

  // Writes the key, creating the section and file at need; nullopt deletes the key.
  bool WriteString(std::string_view section, std::string_view key,
                   std::optional<std::string_view> value);
  bool DeleteKey(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);

  // Applies several edits to the current content as one locked read-modify-write. The
  // callback returns false to abandon the change (Edit then returns false); it may run more
  // than once (each time on the file's content) and must not call an IniFile on the same
  // folder, whose lock is held.
  bool Edit(const std::function<bool(IniDocument&)>& edit);

  bool Exists() const;
  // Deletes the file when it exists and is 0 bytes long.
  bool RemoveIfEmpty();

 private:
  std::filesystem::path path_;
  mutable FileStamp seen_;
};

}  // namespace zelvik
