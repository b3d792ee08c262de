// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Comma-separated text as RFC 4180 describes it, and as spreadsheets write it: any of the
// line ends CRLF, LF and CR, fields in double quotes holding delimiters, quotes ("") and
// line breaks.
namespace zelvik {

struct CsvRecord {
  std::vector<std::string> fields;
  std::size_t line = 0;  // the line it starts on, from 1
};

struct CsvProblem {
  std::size_t line = 0;
  std::string reason;
};

enum class CsvMode {
  kStrict,   // a quote left open or text after a closing quote is a problem
  kLenient,  // such a field is taken as it stands (text pasted from anywhere)
};

// Line breaks inside quoted fields are read as "\n".
std::variant<std::vector<CsvRecord>, CsvProblem> ReadCsv(std::string_view text, char delimiter, CsvMode mode);

// Appends the fields as one record and the line end; a field is quoted when it holds the
// delimiter, a quote, a line break or blanks at either end.
void AppendCsvRecord(std::string& out, std::span<const std::string> fields, char delimiter,
                     std::string_view lineEnd = "\r\n");

// True when every field is empty or blank.
bool IsBlankRecord(const CsvRecord& record);

}  // namespace zelvik
