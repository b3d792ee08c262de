#pragma once

#include <cstddef>
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
// the file as it is then. To read many keys, Load() once and query the document.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  // The file's content now. A missing or unreadable file gives an empty document.
  IniDocument Load() const;

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
  // than once and must not call an IniFile on the same folder, whose lock is held.
  bool Edit(const std::function<bool(IniDocument&)>& edit);

  bool Exists() const;
  // Deletes the file when it exists and is 0 bytes long.
  bool RemoveIfEmpty();

 private:
  std::filesystem::path path_;
};

}  // namespace zelvik
