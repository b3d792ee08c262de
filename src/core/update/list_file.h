// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelvik::update {

// List files above this size are not read: a real one is a few hundred bytes.
inline constexpr std::size_t kListFileMaxBytes = std::size_t{1} << 20;

// The lines of an update list file, looked up the way the list files on the update server
// have always been read (the maintainers' files rely on it, so none of it is tightened):
//  - a section is the first line that contains its name anywhere ("[upexe]" is found by
//    "upexe", and so is a line "upexe=x" before it);
//  - from the next line on, a key is the first line that has no "[", an "=", and a
//    non-empty text before that "=" which contains the key (key "1" also matches "10=");
//    further section headers do not stop the search;
//  - the value is the text after the first "=", blanks trimmed at both ends.
// Lines end with "\n" or "\r\n". Text is UTF-8 here.
class ListFileText {
 public:
  ListFileText() = default;
  explicit ListFileText(std::string_view utf8);

  std::optional<std::string> GetValue(std::string_view section, std::string_view key) const;
  // GetValue read like atoi: 0 when missing or not a number, clamped to the int range.
  int GetValueInt(std::string_view section, std::string_view key) const;

  std::size_t lineCount() const { return lines_.size(); }
  const std::string& text() const { return text_; }

 private:
  std::string_view Line(std::size_t i) const { return std::string_view(text_).substr(lines_[i].first, lines_[i].second); }

  std::string text_;
  std::vector<std::pair<std::size_t, std::size_t>> lines_;  // offset and length: copies stay valid
};

// An update list file on disk: GBK text, read whole on open; WriteSection and SetValue
// append to the end of the file. A file that is not valid GBK reads as empty.
class CIniFile {
 public:
  bool OpenIniFile(const std::filesystem::path& path);
  void CloseIniFile();
  bool isOpen() const { return open_; }

  std::optional<std::string> GetValue(std::string_view section, std::string_view key) const;
  int GetValueInt(std::string_view section, std::string_view key) const;
  const ListFileText& text() const { return text_; }

  // Appends "\n[name]\n" / "key=value\n"; false when the file is not open, the text has no
  // GBK form or the write fails.
  bool WriteSection(std::string_view name);
  bool SetValue(std::string_view key, std::string_view value);

 private:
  bool Append(std::string_view utf8);

  std::filesystem::path path_;
  ListFileText text_;
  bool open_ = false;
};

}  // namespace zelvik::update
