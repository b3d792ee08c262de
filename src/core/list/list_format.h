// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "list/list_row.h"

// The list's columns and their texts as the window, the print and the exports show them.
namespace zelvik {

enum class ListColumn {
  kNo, kProduct, kSpec, kMaterial, kLength, kQuantity, kUnitWeight,
  kPieceKg, kTotalKg, kPrice, kPriceBasis, kAmount, kNote,
};
inline constexpr int kListColumnCount = 13;

// How lengths and weights are shown: the unit system of the main window (lengths in mm or
// m; weights in kg or t) and the decimal places of weights. Amounts always show two
// decimals, unit weights three.
struct ListDisplay {
  int decimals = 2;            // 0 to 9
  int unitSystem = kUnitKgMm;  // kUnitKgMm, kUnitKgM or kUnitTM
  double LengthDivisor() const { return unitSystem == kUnitKgMm ? 1 : 1000; }
  double WeightDivisor() const { return unitSystem == kUnitTM ? 1000 : 1; }
  const char* LengthUnit() const { return unitSystem == kUnitKgMm ? "mm" : "m"; }
  const char* WeightUnit() const { return unitSystem == kUnitTM ? "t" : "kg"; }
};

inline constexpr int kAmountDecimals = 2;
inline constexpr int kUnitWeightDecimals = 3;

// The column's header, with its unit where it has one: "长度(mm)", "总重(kg)", "金额(元)".
std::string ColumnHeader(ListColumn column, const ListDisplay& display);
// The window edits these in place.
bool IsEditable(ListColumn column);
// Right-aligned, and written as numbers to spreadsheets.
bool IsNumeric(ListColumn column);

// The text of one cell; `index` is the row's position (序号 = index + 1). An empty price
// shows as an empty 单价 and 金额.
std::string CellText(const ListRow& row, const RowFigures& figures, std::size_t index, ListColumn column,
                     const ListDisplay& display);

// The value rounded half away from zero at `decimals` places, after rounding to 15
// significant digits as spreadsheets do: 2.675 shows as "2.68", as Excel shows it.
std::string FormatRounded(double value, int decimals);
// The shortest text that reads back as the same double: "6000", "2350.5".
std::string FormatExact(double value);

// A number as typed in a list cell or a spreadsheet: blanks around it, full-width digits,
// digit grouping "12,345.5". Nullopt for anything else, and for non-finite values.
std::optional<double> ParseListNumber(std::string_view text);

}  // namespace zelvik
