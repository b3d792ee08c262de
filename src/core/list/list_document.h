// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "list/list_format.h"
#include "list/list_row.h"

// The list as a document to write out: its rows and its summary as two sheets of typed
// cells, each with the text the window shows and, for numbers, the exact value and the
// places to show it with. Spreadsheet and print writers need nothing else.
namespace zelvik {

enum class SummaryColumn { kProduct, kSpec, kMaterial, kPieces, kLengthM, kTotalKg, kAmount };
inline constexpr int kSummaryColumnCount = 7;

std::string SummaryHeader(SummaryColumn column, const ListDisplay& display);
std::string SummaryCellText(const SummaryLine& line, SummaryColumn column, const ListDisplay& display);

struct SheetCell {
  std::string text;               // as shown, rounded
  std::optional<double> number;   // the exact value of a number cell
  int decimals = -1;              // places to show; -1: as many as the value has
  std::string suffix;             // a unit shown after the number, " kg/m"
  // In the totals row: the sum of the column above, or another totals cell divided by
  // `divisor` (column `of`).
  enum class Total { kNone, kSum, kQuotient };
  Total total = Total::kNone;
  int of = -1;
  double divisor = 1;
};

struct SheetColumn {
  int id;                  // ListColumn or SummaryColumn
  std::string header;
  bool numeric = false;
};

struct Sheet {
  std::string name;
  std::vector<SheetColumn> columns;
  std::vector<std::vector<SheetCell>> rows;
  std::vector<SheetCell> totals;  // one per column, the label "合计" in the first
};

struct ListDocumentHeader {
  std::string date;  // "2024-05-01"
  std::string customer;
  std::string project;
};

struct ListDocument {
  std::string title = "材料清单";
  ListDocumentHeader header;
  ListDisplay display;
  ListTotals totals;
  Sheet items;
  Sheet summary;
};

ListDocument MakeListDocument(std::span<const ListRow> rows, const ListDisplay& display,
                              const ListDocumentHeader& header);

// Columns a text takes in a fixed-width view: East Asian wide characters count two.
std::size_t DisplayWidth(std::string_view utf8);

}  // namespace zelvik
