// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces of a cutting plan from CSV text: length (mm), quantity and an optional label
// per row, as a spreadsheet saves or copies them. A first row naming the columns (长度, 数量,
// 标签 or length, quantity, label, in any order) is optional; commas, semicolons or tabs
// separate the fields; quotes follow RFC 4180; a UTF-8 byte-order mark is skipped.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cutting/cutting_plan.h"

namespace zelvik::cutting {

class PiecesCsvError : public std::runtime_error {
 public:
  PiecesCsvError(int line, const std::string& message)
      : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
  int line() const { return line_; }  // 1-based

 private:
  int line_;
};

// Throws PiecesCsvError for text that is not UTF-8, a row without a length or quantity, or
// a length or quantity that is not a positive number (quantities whole). Blank rows are skipped.
std::vector<Piece> ReadPiecesCsv(std::string_view text);

}  // namespace zelvik::cutting
