// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/density_table.h"
#include "reference/find_next.h"

namespace zelvik {

int FindDensityRow(int start, std::string_view text) {
  const std::span<const DensityRow> rows = DensityTable();
  return FindNext(static_cast<int>(rows.size()), start, [&](int i) {
    return ContainsText(rows[i].name, text) || ContainsText(rows[i].density, text);
  });
}

}  // namespace zelvik
