// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvik {

class GbkConverter;

// The text of one INI file held as its lines, with private-profile lookup and in-place
// editing. The bytes are GBK as on disk; names and values handed in and out are UTF-8.
// A file that starts with a UTF-8 byte-order mark, or is valid UTF-8 holding a multi-byte
// sequence, was saved by an editor as UTF-8: it is read as UTF-8 and edited in UTF-8 (the
// mark is kept), so its Chinese names stay readable.
//
// Reading follows the platform's profile functions:
// - section and key names compare case-insensitively for ASCII letters, whole characters
//   otherwise; blanks around names and values are ignored;
// - of duplicate sections the first one wins, and of duplicate keys in it the first one;
// - lines starting with ";" or "#" are comments; they, lines without "=" and keys before
//   the first section are kept but never read.
//
// Editing changes only the lines concerned: every other line, comment, blank line, line end
// and unknown section is written back byte for byte, including lines that are not valid GBK.
// A section whose last key is deleted is removed with it.
//
// Parsing never fails; a document is cheap to query, so reading many keys from one parsed
// document (a snapshot of the file) costs one read of the file.
class IniDocument {
 public:
  enum class EditResult {
    kUnchanged,  // the document already was as asked
    kChanged,
    kInvalid,  // the name or value cannot be stored: a line break, "=" in a key, "]" in a
               // section, an empty name, or a character without a GBK code
  };

  IniDocument() = default;

  // Documents larger than this are not parsed beyond it (the file reader caps far lower).
  static constexpr std::size_t kMaxParseBytes = std::size_t{1} << 30;

  static IniDocument Parse(std::string bytes);

  // The value of the key, or nullopt when the section or key is missing or the value is
  // not readable text.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultValue = {}) const;
  // As GetPrivateProfileInt: a missing or empty value gives the default; otherwise an
  // optional sign and the leading decimal digits (wrapping like a 32-bit unsigned count),
  // 0 when the value does not start with a number.
  int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
  bool HasSection(std::string_view section) const;

  // Sets the key's value, creating the section and key at need. A new key goes after the
  // last non-blank line of the section, a new section at the end of the file.
  EditResult Set(std::string_view section, std::string_view key, std::string_view value);
  // Deletes the key from every section of that name, and any such section left empty.
  EditResult DeleteKey(std::string_view section, std::string_view key);
  // Deletes every section of that name with all its lines.
  EditResult DeleteSection(std::string_view section);

  std::string Serialize() const;
  // No line at all (a byte-order mark alone is nothing): such a file is deleted.
  bool IsEmpty() const { return lines_.empty(); }
  bool IsUtf8() const { return encoding_ == Encoding::kUtf8; }

 private:
  enum class Kind : std::uint8_t {
    kBlank,          // a run of blank lines
    kOther,          // a run of comments, lines without "=", undecodable lines
    kSection,        // a section header
    kOpaqueSection,  // an undecodable line starting with "[": starts a section nobody reads
    kKey,            // key = value
    kKeyUnreadable,  // a readable key whose value is not valid text
  };
  enum class Eol : std::uint8_t { kNone, kLf, kCrLf };
  enum class Encoding : std::uint8_t { kGbk, kUtf8 };
  static constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  struct Span {
    std::uint32_t off = 0;
    std::uint32_t len = 0;
  };
  struct Line {
    Span raw;    // bytes without the line end, in raw_
    Span name;   // section name or key, trimmed, UTF-8, in text_
    Span value;  // value, trimmed, UTF-8, in text_
    Kind kind = Kind::kOther;
    Eol eol = Eol::kNone;
  };
  struct SectionRef {
    std::size_t header;  // line index of the header
    std::size_t end;     // one past the section's last line
  };

  static Encoding DetectEncoding(std::string_view bytes, bool& bom);
  // File bytes of one line to UTF-8 and back, in the file's encoding; nullopt when the text
  // has no form there.
  std::optional<std::string> Decode(std::string_view bytes, GbkConverter& converter) const;
  std::optional<std::string> Encode(std::string_view text) const;
  std::string_view RawOf(const Line& line) const;
  std::string_view TextOf(Span span) const;
  Span AddRaw(std::string_view bytes);
  Span AddText(std::string_view text);
  void AddLine(Line line);
  void ClassifyDecoded(Line& line, std::string_view decoded);
  void ClassifyUndecodable(Line& line, std::string_view rawLine, GbkConverter& converter);
  static std::string_view EolText(Eol eol);
  void Reindex();
  const SectionRef* FirstSection(std::string_view name) const;
  std::optional<std::size_t> FirstKey(const SectionRef& section, std::string_view key) const;
  bool IsSectionNamed(const SectionRef& section, std::string_view name) const;
  void InsertLine(std::size_t at, Line line);
  void EraseLines(std::size_t from, std::size_t to);

  std::string raw_;   // file bytes, then the bytes of edited lines
  std::string text_;  // decoded names and values
  std::vector<Line> lines_;
  std::vector<SectionRef> sections_;
  Eol newline_ = Eol::kLf;  // line end of new lines: the file's first one
  Encoding encoding_ = Encoding::kGbk;
  bool bom_ = false;
};

// ASCII letters case-insensitively, every other byte exactly, so multi-byte UTF-8
// characters compare whole.
bool IniNamesEqual(std::string_view a, std::string_view b);

}  // namespace zelvik
