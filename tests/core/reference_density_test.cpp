// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reference/density_table.h"
#include "reference/find_next.h"
#include "reference/welded_pipe_lines.h"

namespace zelvik {
namespace {

TEST(DensityTable, CountsFirstLastAndRowsBetween) {
  const auto rows = DensityTable();
  ASSERT_EQ(rows.size(), 124u);
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].no, std::to_string(i + 1));
  struct Case {
    int row;
    const char* name;
    const char* density;
  };
  const Case cases[] = {
      {0, "灰铸铁", "7.0"},     {6, "高速钢", "8.3～8.7"},  {7, "不锈钢/合金钢", "7.9"}, {34, "木材(含水15%)", "0.4～0.75"},
      {39, "石墨", "2～2.2"},   {54, "金刚砂", "3.0"},      {91, "石棉板", "1～1.3"},     {92, "橡胶石棉板", "1.5～2.0"},
      {106, "水(4℃)", "1.0"}, {107, "空气(20℃)", "0.0012"}, {123, "PE板", "0.97"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rows[c.row].name, c.name) << c.row;
    EXPECT_EQ(rows[c.row].density, c.density) << c.row;
  }
}

// Presses "find next" again and again from a fresh window, collecting the selected rows.
std::vector<int> Presses(const char* text, int count, int start = -1) {
  std::vector<int> hits;
  for (int i = 0; i < count; ++i) {
    start = FindDensityRow(start, text);
    hits.push_back(start);
  }
  return hits;
}

TEST(DensityTable, FindNextMovesThroughTheHitsAndWraps) {
  // Zero-based rows: "铜" finds 紫铜 (row 10) first, then 11, 12, 13, 14, 25, 28 and 10 again.
  EXPECT_EQ(Presses("铜", 8), (std::vector<int>{9, 10, 11, 12, 13, 24, 27, 9}));
  // The density is searched as text: "7.3" also finds "7.34～7.55".
  EXPECT_EQ(Presses("7.3", 5), (std::vector<int>{2, 16, 21, 25, 2}));
  EXPECT_EQ(Presses("～", 1), std::vector<int>{6});
}

TEST(DensityTable, FindNextEdgeCases) {
  struct Case {
    int start;
    const char* text;
    int row;
  };
  const Case cases[] = {
      {0, "灰铸铁", 0},     // only the row of the last hit matches: it is selected again
      {123, "PE板", 123},
      {5, "铂", -1},        // nothing matches
      {-1, "", 0},          // empty text matches every row
      {41, "", 42},
      {123, "", 0},         // after row 124 comes row 1
      {-1, "abs", -1},      // exact case
      {-1, "ABS", 90},
      {-1, "7.0", 0},
      {-1, "\x9C", -1},     // a byte inside "铜" is no match
      {500, "钢", 4},       // a position outside the table starts from the top
  };
  for (const Case& c : cases) EXPECT_EQ(FindDensityRow(c.start, c.text), c.row) << c.start << " " << c.text;
}

TEST(FindNext, WholeCharactersAndBounds) {
  EXPECT_TRUE(ContainsText("紫铜", "铜"));
  EXPECT_TRUE(ContainsText("", ""));
  EXPECT_FALSE(ContainsText("", "a"));
  EXPECT_FALSE(ContainsText("紫铜", "\x93\x9C"));
  EXPECT_FALSE(ContainsText("a\x93" "c", "\x93" "c"));  // text beginning inside a character
  EXPECT_TRUE(ContainsText("8.3～8.7", "～8"));
  EXPECT_EQ(FindNext(0, -1, [](int) { return true; }), -1);
  std::vector<int> visited;
  FindNext(4, 1, [&](int row) {
    visited.push_back(row);
    return false;
  });
  EXPECT_EQ(visited, (std::vector<int>{2, 3, 0, 1}));
}

TEST(WeldedPipeLines, BothListsInTableOrder) {
  const auto thin = ThinWallPipeLines();
  const auto thick = ThickWallPipeLines();
  ASSERT_EQ(thin.size(), 14u);
  ASSERT_EQ(thick.size(), 14u);
  EXPECT_EQ(thin[0], "1/8×2.00→φ10.0×2.00");
  EXPECT_EQ(thin[5], "1×3.25  →φ33.5×3.25");  // sixth, after 3/4: not sorted
  EXPECT_EQ(thin[11], "4×4.00 →φ114.0×4.00");
  EXPECT_EQ(thin[13], "6×4.50 →φ165.0×4.50");
  EXPECT_EQ(thick[0], "1/8×2.50→φ10.0×2.50");
  EXPECT_EQ(thick[8], "2×4.50  →φ60.0×4.50");
  EXPECT_EQ(thick[13], "6×5.50 →φ165.0×5.50");
}

}  // namespace
}  // namespace zelvik
