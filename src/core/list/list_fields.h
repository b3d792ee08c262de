// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "list/list_format.h"
#include "list/list_row.h"
#include "list/spec_resolver.h"

// The list's columns as files and pasted text carry them, and a row read from their texts.
namespace zelvik {

// The columns of the list file, in the order it writes them.
enum class ListField {
  kNo, kProduct, kSpec, kMaterial, kLength, kQuantity, kUnitWeight, kUnit,
  kPieceKg, kTotalKg, kPrice, kPriceBasis, kAmount, kNote, kDensity,
};
inline constexpr int kListFieldCount = 15;

// The header the list file writes: "长度(mm)", "单位" (of 单重), "密度(t/m3)" (GBK has no ³).
const char* FieldHeader(ListField field);

struct HeaderMatch {
  ListField field;
  double lengthScale = 1;  // mm per unit of a length column: "长度(m)" is 1000
};

// A header cell read by its name, with or without the unit in brackets, in Chinese or in
// English ("Length (mm)"), in any case; nullopt for a column the list does not know.
std::optional<HeaderMatch> FieldForHeader(std::string_view header);

// The texts a row is read from; computed columns are not among them.
struct RowTexts {
  std::string product;  // a hint for the resolver
  std::string spec;
  std::string material;
  std::string length;
  std::string quantity;
  std::string price;
  std::string basis;
  std::string note;
  std::string density;
  double lengthScale = 1;  // mm per unit of `length`
  // Pasted "规格, 数量" of a product without a length: the length column holds the quantity.
  bool quantityInLength = false;
};

struct RowDefaults {
  double density = kTableDensity;
  bool quantityRequired = true;  // false: an empty 数量 is 1
};

// The row, or the reason it cannot be read ("数量 \"0\" 不是不小于 1 的整数").
std::variant<ListRow, std::string> MakeRow(const RowTexts& texts, const SpecResolver& resolver,
                                           const RowDefaults& defaults);

// Checks and stores an edit of one of the editable columns into `row`, lengths in the
// display's unit. Returns the reason when the text is not acceptable; `row` is then unchanged.
std::optional<std::string> ApplyCellEdit(ListRow& row, ListColumn column, std::string_view text,
                                         const ListDisplay& display);

}  // namespace zelvik
