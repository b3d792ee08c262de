// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "list/list_format.h"
#include "list/list_row.h"
#include "list/spec_resolver.h"

// Rows pasted from a spreadsheet or a text file, and rows copied for one.
namespace zelvik {

struct PasteProblem {
  std::size_t line = 0;  // of the pasted text, from 1
  std::string reason;
};

struct PasteResult {
  std::vector<ListRow> rows;           // the rows that could be read, in order
  std::vector<PasteProblem> problems;  // one for each row that could not
};

// Tab-separated columns (comma-separated when there is no tab) 规格, 长度, 数量, then
// optionally 材质, 单价, 计价方式, 备注. A first row of column names is skipped; when it
// names the columns, they are read by those names instead (rows copied from the list or
// its file). An empty 数量 is 1; for a product without a length, "规格, 数量" is enough.
PasteResult ReadPastedRows(std::string_view text, const SpecResolver& resolver, double density);

// The rows at `indexes` as the table shows them, tab-separated under a header row, for the
// clipboard. Pasted back, the text gives the same rows as far as the table shows them.
std::string CopyRowsText(std::span<const ListRow> rows, std::span<const std::size_t> indexes,
                         const ListDisplay& display);

}  // namespace zelvik
