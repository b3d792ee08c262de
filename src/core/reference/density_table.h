// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace zelvik {

// One row of the material density table: three text cells, shown as they are. The density is
// text ("7.0", "8.3～8.7"), never a number.
struct DensityRow {
  std::string_view no;       // "1" … "124"
  std::string_view name;     // material name
  std::string_view density;  // t/m³, a value or a range with the full-width tilde
};

// The 124 rows in table order.
std::span<const DensityRow> DensityTable();

// The row that "find next" selects after the row of the last hit `start` (−1 before the first
// hit): the next row whose name or density contains `text`, wrapping past the last row and
// ending with `start` itself; −1 when no row matches.
int FindDensityRow(int start, std::string_view text);

}  // namespace zelvik
