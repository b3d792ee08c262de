// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/csv_text.h"

#include <optional>

namespace zelvik {

namespace {

class CsvReader {
 public:
  CsvReader(std::string_view text, char delimiter, CsvMode mode) : text_(text), delim_(delimiter), mode_(mode) {}

  std::variant<std::vector<CsvRecord>, CsvProblem> Read() {
    std::vector<CsvRecord> records;
    while (pos_ < text_.size()) {
      CsvRecord record;
      record.line = line_;
      for (;;) {
        std::string field;
        if (pos_ < text_.size() && text_[pos_] == '"') {
          if (auto problem = ReadQuoted(field)) return *problem;
        } else {
          ReadPlain(field);
        }
        record.fields.push_back(std::move(field));
        if (pos_ < text_.size() && text_[pos_] == delim_) {
          ++pos_;
          continue;
        }
        SkipLineEnd();
        break;
      }
      records.push_back(std::move(record));
    }
    return records;
  }

 private:
  bool AtLineEnd() const { return text_[pos_] == '\r' || text_[pos_] == '\n'; }

  void SkipLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  void ReadPlain(std::string& field) {
    const std::size_t begin = pos_;
    while (pos_ < text_.size() && text_[pos_] != delim_ && !AtLineEnd()) ++pos_;
    field.assign(text_.substr(begin, pos_ - begin));
  }

  // A field in quotes; in lenient mode a malformed one is read again as plain text.
  std::optional<CsvProblem> ReadQuoted(std::string& field) {
    const std::size_t start = pos_;
    const std::size_t startLine = line_;
    ++pos_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          field += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        if (pos_ >= text_.size() || text_[pos_] == delim_ || AtLineEnd()) return std::nullopt;
        if (mode_ == CsvMode::kStrict) return CsvProblem{line_, "引号结束后还有字符"};
        return Rewind(field, start, startLine);
      }
      if (c == '\r' || c == '\n') {
        SkipLineEnd();
        field += '\n';
        continue;
      }
      field += c;
      ++pos_;
    }
    if (mode_ == CsvMode::kStrict) return CsvProblem{startLine, "引号没有结束"};
    return Rewind(field, start, startLine);
  }

  std::optional<CsvProblem> Rewind(std::string& field, std::size_t start, std::size_t startLine) {
    pos_ = start;
    line_ = startLine;
    ReadPlain(field);
    return std::nullopt;
  }

  std::string_view text_;
  char delim_;
  CsvMode mode_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::variant<std::vector<CsvRecord>, CsvProblem> ReadCsv(std::string_view text, char delimiter, CsvMode mode) {
  return CsvReader(text, delimiter, mode).Read();
}

void AppendCsvRecord(std::string& out, std::span<const std::string> fields, char delimiter,
                     std::string_view lineEnd) {
  bool first = true;
  for (const std::string& f : fields) {
    if (!first) out += delimiter;
    first = false;
    const bool quote = f.find_first_of(std::string{'"', '\r', '\n', delimiter}) != std::string::npos ||
                       (!f.empty() && (IsBlank(f.front()) || IsBlank(f.back())));
    if (!quote) {
      out += f;
      continue;
    }
    out += '"';
    for (char c : f) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += lineEnd;
}

bool IsBlankRecord(const CsvRecord& record) {
  for (const std::string& f : record.fields) {
    for (char c : f) {
      if (!IsBlank(c) && c != '\n' && c != '\r') return false;
    }
  }
  return true;
}

}  // namespace zelvik
