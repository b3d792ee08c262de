// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/pieces_csv.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "util/utf8.h"

namespace zelvik::cutting {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Row {
  int line = 0;
  std::vector<std::string> fields;
};

// RFC 4180 records; a quoted field may hold separators and line breaks.
std::vector<Row> SplitRecords(std::string_view text, char sep) {
  std::vector<Row> rows;
  Row row;
  std::string field;
  int line = 1;
  row.line = 1;
  bool quoted = false, wasQuoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n') ++line;
        field += c;
      }
    } else if (c == '"' && field.empty() && !wasQuoted) {
      quoted = wasQuoted = true;
    } else if (c == sep) {
      row.fields.push_back(std::move(field));
      field.clear();
      wasQuoted = false;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      row.fields.push_back(std::move(field));
      field.clear();
      wasQuoted = false;
      rows.push_back(std::move(row));
      row = Row{};
      row.line = ++line;
    } else {
      field += c;
    }
  }
  if (quoted) throw PiecesCsvError(row.line, "a quoted field is not closed");
  if (!field.empty() || !row.fields.empty() || wasQuoted) {
    row.fields.push_back(std::move(field));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

int ColumnOf(const std::string& name) {
  const std::string n = Lower(Trim(name));
  if (n == "长度" || n == "length") return 0;
  if (n == "数量" || n == "quantity" || n == "qty") return 1;
  if (n == "标签" || n == "label") return 2;
  return -1;
}

double Number(const Row& row, const std::string& text, const char* what) {
  const std::string t = Trim(text);
  double value = 0;
  const char* end = t.data() + t.size();
  const auto res = std::from_chars(t.data(), end, value);
  if (t.empty() || res.ec != std::errc() || res.ptr != end || !std::isfinite(value) || value <= 0) {
    throw PiecesCsvError(row.line, std::string("the ") + what + " must be a number above 0, not '" +
                                       ReplaceInvalidUtf8(FirstCharacters(t, 20)) + "'");
  }
  return value;
}

}  // namespace

std::vector<Piece> ReadPiecesCsv(std::string_view text) {
  if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
  if (!IsValidUtf8(text)) throw PiecesCsvError(1, "the file is not UTF-8 text");
  const std::string_view firstLine = text.substr(0, text.find('\n'));
  char sep = ',';
  if (firstLine.find('\t') != std::string_view::npos) {
    sep = '\t';
  } else if (firstLine.find(';') != std::string_view::npos && firstLine.find(',') == std::string_view::npos) {
    sep = ';';
  }
  std::vector<Row> rows = SplitRecords(text, sep);
  int column[3] = {0, 1, 2};  // length, quantity, label
  size_t first = 0;
  while (first < rows.size() && rows[first].fields.size() == 1 && Trim(rows[first].fields[0]).empty()) ++first;
  if (first < rows.size() && ColumnOf(rows[first].fields[0]) >= 0) {
    std::fill(std::begin(column), std::end(column), -1);
    const Row& header = rows[first];
    for (size_t i = 0; i < header.fields.size(); ++i) {
      const int c = ColumnOf(header.fields[i]);
      if (c < 0 && !Trim(header.fields[i]).empty()) {
        throw PiecesCsvError(header.line, "unknown column '" + std::string(FirstCharacters(Trim(header.fields[i]), 20)) + "'");
      }
      if (c >= 0 && column[c] >= 0) throw PiecesCsvError(header.line, "a column is named twice");
      if (c >= 0) column[c] = static_cast<int>(i);
    }
    if (column[0] < 0 || column[1] < 0) throw PiecesCsvError(header.line, "the length or quantity column is missing");
    ++first;
  }
  std::vector<Piece> pieces;
  for (size_t r = first; r < rows.size(); ++r) {
    const Row& row = rows[r];
    if (std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& f) { return Trim(f).empty(); })) {
      continue;
    }
    auto field = [&](int c) { return c >= 0 && static_cast<size_t>(c) < row.fields.size() ? row.fields[c] : std::string(); };
    Piece piece;
    piece.length = Number(row, field(column[0]), "length");
    const double qty = Number(row, field(column[1]), "quantity");
    if (qty != std::floor(qty) || qty > 1e6) throw PiecesCsvError(row.line, "the quantity must be a whole number up to 1000000");
    piece.quantity = static_cast<int>(qty);
    piece.label = Trim(field(column[2]));
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

}  // namespace zelvik::cutting
