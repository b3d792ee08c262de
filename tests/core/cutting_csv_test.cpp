// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cutting/pieces_csv.h"

namespace zelvik::cutting {
namespace {

struct Row {
  double length;
  int quantity;
  std::string label;
  bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(std::string_view text) {
  std::vector<Row> rows;
  for (const Piece& p : ReadPiecesCsv(text)) rows.push_back({p.length, p.quantity, p.label});
  return rows;
}

TEST(PiecesCsv, Reads) {
  const std::pair<const char*, std::vector<Row>> cases[] = {
      {"2350,14\n1780,9,柱脚\n", {{2350, 14, ""}, {1780, 9, "柱脚"}}},
      {"长度,数量,标签\r\n2350,14,A\r\n", {{2350, 14, "A"}}},
      {"\xEF\xBB\xBF长度,数量\n960,22", {{960, 22, ""}}},
      {"Label,Quantity,Length\nB-1,2,1200.5\n", {{1200.5, 2, "B-1"}}},
      {"length;quantity\n100;1\n", {{100, 1, ""}}},
      {"100\t2\tx\n", {{100, 2, "x"}}},
      {"100,1,\"a, \"\"b\"\"\"\n", {{100, 1, "a, \"b\""}}},
      {"\n100 , 3 \n,,\n\n", {{100, 3, ""}}},
      {"", {}},
  };
  for (const auto& [text, rows] : cases) EXPECT_EQ(Rows(text), rows) << text;
}

TEST(PiecesCsv, ErrorsNameTheLine) {
  const std::pair<const char*, int> cases[] = {
      {"100,1\nabc,2\n", 2},           {"100\n", 1},          {"100,0\n", 1},   {"100,1.5\n", 1},
      {"长度,数量\n100,1\n-5,1\n", 3}, {"长度,重量\n", 1},     {"100,\"1\n", 1}, {"\xff\xfe,1\n", 1},
      {"length,length\n", 1},          {"数量,标签\n1,a\n", 1}, {"nan,1\n", 1},  {"1e400,1\n", 1},
  };
  for (const auto& [text, line] : cases) {
    try {
      ReadPiecesCsv(text);
      ADD_FAILURE() << text << ": read";
    } catch (const PiecesCsvError& e) {
      EXPECT_EQ(e.line(), line) << text << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace zelvik::cutting
