// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

namespace zelvik {

// One user-defined size. The unit weight stays text as the user typed it and is converted
// by plain decimal conversion each time it is used.
struct CustomRow {
  int kind = 0;
  std::string typeName;
  std::string model;
  std::string spec;
  std::string unitWeight;

  bool operator==(const CustomRow&) const = default;
};

// The kinds that accept user-defined sizes, in the order of the custom materials window.
struct CustomKind {
  int kind;
  const char* listText;  // text of the custom materials window's type list
  const char* section;   // configuration section holding the rows
  const char* typeName;  // type name carried by each row
  bool hasSpec;          // rows carry a "规格%d" key
};

inline constexpr int kCustomKindCount = 8;
inline constexpr std::array<CustomKind, kCustomKindCount> kCustomKinds = {{
    {0, "角钢(热轧)", "角钢", "角钢(热轧)", false},
    {1, "槽钢(热轧)", "槽钢", "槽钢(热轧)", true},
    {2, "工字钢", "工字钢", "工字钢", true},
    {3, "方管/矩形管", "方管", "方管", false},
    {4, "钢管/焊管", "钢管", "钢管", false},
    {5, "六角钢", "六角钢", "六角钢", false},
    {6, "八角钢", "八角钢", "八角钢", false},
    {7, "螺纹钢", "螺纹钢", "螺纹钢", false},
}};

// Pages read at most this many rows per kind, although a page has room for 88.
inline constexpr int kMaxCustomRowsRead = 86;

// User-defined rows of every kind, indexed by kind.
using CustomRowSet = std::array<std::vector<CustomRow>, kCustomKindCount>;

}  // namespace zelvik
