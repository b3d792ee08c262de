// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_row.h"

#include <unordered_map>

namespace zelvik {

namespace {

struct BasisName {
  std::string_view text;
  PriceBasis basis;
};

// Case is folded before the lookup; blanks are removed.
constexpr BasisName kBasisNames[] = {
    {"元/吨", PriceBasis::kPerTonne},   {"元/t", PriceBasis::kPerTonne},   {"吨", PriceBasis::kPerTonne},
    {"元/千克", PriceBasis::kPerKg},    {"元/kg", PriceBasis::kPerKg},     {"元/公斤", PriceBasis::kPerKg},
    {"千克", PriceBasis::kPerKg},       {"公斤", PriceBasis::kPerKg},      {"kg", PriceBasis::kPerKg},
    {"元/米", PriceBasis::kPerMetre},   {"元/m", PriceBasis::kPerMetre},   {"米", PriceBasis::kPerMetre},
    {"元/件", PriceBasis::kPerPiece},   {"件", PriceBasis::kPerPiece},     {"元/根", PriceBasis::kPerPiece},
    {"元/支", PriceBasis::kPerPiece},   {"元/张", PriceBasis::kPerPiece},  {"元/个", PriceBasis::kPerPiece},
    {"元/块", PriceBasis::kPerPiece},   {"元/套", PriceBasis::kPerPiece},  {"元/pcs", PriceBasis::kPerPiece},
    {"t", PriceBasis::kPerTonne},       {"m", PriceBasis::kPerMetre},      {"pcs", PriceBasis::kPerPiece},
};

std::string Folded(std::string_view text) {
  constexpr std::string_view kFullWidthSlash = "／";  // as common as '/' in Chinese text
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (text.substr(i).starts_with(kFullWidthSlash)) {
      out += '/';
      i += kFullWidthSlash.size() - 1;
    } else if (c != ' ' && c != '\t') {
      out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  return out;
}

}  // namespace

const char* PriceBasisText(PriceBasis basis) {
  switch (basis) {
    case PriceBasis::kPerTonne: return "元/吨";
    case PriceBasis::kPerKg: return "元/千克";
    case PriceBasis::kPerMetre: return "元/米";
    case PriceBasis::kPerPiece: return "元/件";
  }
  return "元/吨";
}

std::optional<PriceBasis> ParsePriceBasis(std::string_view text) {
  const std::string folded = Folded(text);
  for (const BasisName& n : kBasisNames) {
    if (folded == n.text) return n.basis;
  }
  return std::nullopt;
}

RowFigures ComputeRow(const ListRow& row) {
  RowFigures f;
  const double length = row.item.takesLength ? row.lengthMm : 0;
  f.pieceKg = row.item.pieceKg ? row.item.pieceKg(length) : 0;
  const double quantity = static_cast<double>(row.quantity);
  f.totalKg = f.pieceKg * quantity;
  switch (row.basis) {
    case PriceBasis::kPerTonne: f.amount = f.totalKg / 1000 * row.price; break;
    case PriceBasis::kPerKg: f.amount = f.totalKg * row.price; break;
    case PriceBasis::kPerMetre: f.amount = length / 1000 * quantity * row.price; break;
    case PriceBasis::kPerPiece: f.amount = quantity * row.price; break;
  }
  return f;
}

ListTotals ComputeTotals(std::span<const ListRow> rows) {
  ListTotals t;
  for (const ListRow& row : rows) {
    const RowFigures f = ComputeRow(row);
    t.pieces += row.quantity;
    t.totalKg += f.totalKg;
    t.amount += f.amount;
  }
  t.totalT = t.totalKg / 1000;
  return t;
}

std::vector<SummaryLine> Summarize(std::span<const ListRow> rows) {
  std::vector<SummaryLine> lines;
  std::unordered_map<std::string, std::size_t> index;
  std::string key;
  for (const ListRow& row : rows) {
    // The unit separator cannot occur in a product or spec and keeps the three apart.
    key.assign(row.item.product).append(1, '\x1f').append(row.item.spec).append(1, '\x1f').append(row.material);
    auto [it, added] = index.try_emplace(key, lines.size());
    if (added) lines.push_back(SummaryLine{row.item.product, row.item.spec, row.material});
    SummaryLine& line = lines[it->second];
    const RowFigures f = ComputeRow(row);
    line.pieces += row.quantity;
    if (row.item.takesLength) line.lengthM += row.lengthMm / 1000 * static_cast<double>(row.quantity);
    line.totalKg += f.totalKg;
    line.amount += f.amount;
  }
  return lines;
}

}  // namespace zelvik
