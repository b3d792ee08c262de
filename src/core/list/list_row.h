// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "list/spec_resolver.h"
#include "weight/settings.h"

// One row of the materials list and what it adds up to. Everything is computed unrounded;
// rounding is for display only.
namespace zelvik {

enum class PriceBasis { kPerTonne, kPerKg, kPerMetre, kPerPiece };
inline constexpr int kPriceBasisCount = 4;

// "元/吨", "元/千克", "元/米", "元/件".
const char* PriceBasisText(PriceBasis basis);
// The four texts, and the ways a spreadsheet tends to spell them ("元/t", "元/kg", "元/根"…).
std::optional<PriceBasis> ParsePriceBasis(std::string_view text);

// Limits that keep every product of a row finite and exact enough.
inline constexpr long long kMaxQuantity = 1'000'000'000;
inline constexpr double kMaxLengthMm = 1e9;
inline constexpr double kMaxPrice = 1e12;

struct ListRow {
  ResolvedSpec item;
  std::string material;        // 材质, free text
  double lengthMm = 0;         // 0 where the product takes no length
  long long quantity = 1;      // 1 to kMaxQuantity
  double price = 0;            // 元 per the basis; 0 is no price
  PriceBasis basis = PriceBasis::kPerTonne;
  std::string note;            // 备注
  double density = kTableDensity;  // t/m³, the one the item was resolved with
};

struct RowFigures {
  double pieceKg = 0;  // 单件重
  double totalKg = 0;  // 总重
  double amount = 0;   // 金额, 元
};

RowFigures ComputeRow(const ListRow& row);

struct ListTotals {
  long long pieces = 0;
  double totalKg = 0;
  double totalT = 0;
  double amount = 0;
};

ListTotals ComputeTotals(std::span<const ListRow> rows);

// One line of the summary by 品名 + 规格 + 材质, in the order the groups first appear.
struct SummaryLine {
  std::string product;
  std::string spec;
  std::string material;
  long long pieces = 0;
  double lengthM = 0;  // pieces × length; 0 for products without a length
  double totalKg = 0;
  double amount = 0;
};

std::vector<SummaryLine> Summarize(std::span<const ListRow> rows);

}  // namespace zelvik
