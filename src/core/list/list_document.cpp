// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_document.h"

#include "util/utf8.h"

namespace zelvik {

namespace {

SheetCell Text(std::string text) {
  SheetCell c;
  c.text = std::move(text);
  return c;
}

SheetCell Number(double value, int decimals, std::string suffix = {}) {
  SheetCell c;
  c.number = value;
  c.decimals = decimals;
  c.text = (decimals < 0 ? FormatExact(value) : FormatRounded(value, decimals)) + suffix;
  c.suffix = std::move(suffix);
  return c;
}

SheetCell Sum(double value, int decimals) {
  SheetCell c = Number(value, decimals);
  c.total = SheetCell::Total::kSum;
  return c;
}

constexpr int Index(ListColumn c) { return static_cast<int>(c); }
constexpr int Index(SummaryColumn c) { return static_cast<int>(c); }

SheetCell ItemCell(const ListRow& row, const RowFigures& f, std::size_t index, ListColumn column,
                   const ListDisplay& d) {
  switch (column) {
    case ListColumn::kNo: return Number(static_cast<double>(index + 1), 0);
    case ListColumn::kLength:
      return row.item.takesLength ? Number(row.lengthMm / d.LengthDivisor(), -1) : Text({});
    case ListColumn::kQuantity: return Number(static_cast<double>(row.quantity), 0);
    case ListColumn::kUnitWeight: return Number(row.item.unitWeight, kUnitWeightDecimals, " " + row.item.unit);
    case ListColumn::kPieceKg: return Number(f.pieceKg / d.WeightDivisor(), d.decimals);
    case ListColumn::kTotalKg: return Number(f.totalKg / d.WeightDivisor(), d.decimals);
    case ListColumn::kPrice: return row.price == 0 ? Text({}) : Number(row.price, kAmountDecimals);
    case ListColumn::kAmount: return row.price == 0 ? Text({}) : Number(f.amount, kAmountDecimals);
    default: return Text(CellText(row, f, index, column, d));
  }
}

Sheet ItemsSheet(std::span<const ListRow> rows, const ListDisplay& d, const ListTotals& totals) {
  Sheet sheet;
  sheet.name = "材料清单";
  for (int c = 0; c < kListColumnCount; ++c) {
    const auto column = static_cast<ListColumn>(c);
    sheet.columns.push_back(SheetColumn{c, ColumnHeader(column, d), IsNumeric(column)});
  }
  sheet.rows.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const RowFigures f = ComputeRow(rows[i]);
    std::vector<SheetCell> cells;
    cells.reserve(kListColumnCount);
    for (int c = 0; c < kListColumnCount; ++c) cells.push_back(ItemCell(rows[i], f, i, static_cast<ListColumn>(c), d));
    sheet.rows.push_back(std::move(cells));
  }
  sheet.totals.resize(kListColumnCount);
  sheet.totals[Index(ListColumn::kNo)] = Text("合计");
  sheet.totals[Index(ListColumn::kQuantity)] = Sum(static_cast<double>(totals.pieces), 0);
  sheet.totals[Index(ListColumn::kTotalKg)] = Sum(totals.totalKg / d.WeightDivisor(), d.decimals);
  sheet.totals[Index(ListColumn::kAmount)] = Sum(totals.amount, kAmountDecimals);
  if (d.WeightDivisor() == 1) {
    // The total in tonnes beside the kilograms, as traders quote it.
    SheetCell tonnes = Number(totals.totalT, 3, " t");
    tonnes.total = SheetCell::Total::kQuotient;
    tonnes.of = Index(ListColumn::kTotalKg);
    tonnes.divisor = 1000;
    sheet.totals[Index(ListColumn::kNote)] = std::move(tonnes);
  }
  return sheet;
}

Sheet SummarySheet(std::span<const ListRow> rows, const ListDisplay& d) {
  Sheet sheet;
  sheet.name = "汇总";
  for (int c = 0; c < kSummaryColumnCount; ++c) {
    const auto column = static_cast<SummaryColumn>(c);
    sheet.columns.push_back(SheetColumn{c, SummaryHeader(column, d), c >= Index(SummaryColumn::kPieces)});
  }
  long long pieces = 0;
  double lengthM = 0, weight = 0, amount = 0;
  for (const SummaryLine& line : Summarize(rows)) {
    sheet.rows.push_back({
        Text(line.product), Text(line.spec), Text(line.material),
        Number(static_cast<double>(line.pieces), 0),
        line.lengthM == 0 ? Text({}) : Number(line.lengthM, 3),
        Number(line.totalKg / d.WeightDivisor(), d.decimals),
        line.amount == 0 ? Text({}) : Number(line.amount, kAmountDecimals),
    });
    pieces += line.pieces;
    lengthM += line.lengthM;
    weight += line.totalKg;
    amount += line.amount;
  }
  sheet.totals = {
      Text("合计"), Text({}), Text({}), Sum(static_cast<double>(pieces), 0), Sum(lengthM, 3),
      Sum(weight / d.WeightDivisor(), d.decimals), Sum(amount, kAmountDecimals),
  };
  return sheet;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::string SummaryHeader(SummaryColumn column, const ListDisplay& display) {
  switch (column) {
    case SummaryColumn::kProduct: return "品名";
    case SummaryColumn::kSpec: return "规格";
    case SummaryColumn::kMaterial: return "材质";
    case SummaryColumn::kPieces: return "数量";
    case SummaryColumn::kLengthM: return "总长(m)";
    case SummaryColumn::kTotalKg: return std::string("总重(") + display.WeightUnit() + ")";
    case SummaryColumn::kAmount: return "金额(元)";
  }
  return {};
}

std::string SummaryCellText(const SummaryLine& line, SummaryColumn column, const ListDisplay& display) {
  switch (column) {
    case SummaryColumn::kProduct: return line.product;
    case SummaryColumn::kSpec: return line.spec;
    case SummaryColumn::kMaterial: return line.material;
    case SummaryColumn::kPieces: return std::to_string(line.pieces);
    case SummaryColumn::kLengthM: return line.lengthM == 0 ? std::string() : FormatRounded(line.lengthM, 3);
    case SummaryColumn::kTotalKg: return FormatRounded(line.totalKg / display.WeightDivisor(), display.decimals);
    case SummaryColumn::kAmount: return line.amount == 0 ? std::string() : FormatRounded(line.amount, kAmountDecimals);
  }
  return {};
}

ListDocument MakeListDocument(std::span<const ListRow> rows, const ListDisplay& display,
                              const ListDocumentHeader& header) {
  ListDocument doc;
  doc.header = header;
  doc.display = display;
  doc.totals = ComputeTotals(rows);
  doc.items = ItemsSheet(rows, display, doc.totals);
  doc.summary = SummarySheet(rows, display);
  return doc;
}

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = Utf8SequenceLength(utf8, i);
    if (n == 0) {
      ++width;
      ++i;
      continue;
    }
    char32_t c = static_cast<unsigned char>(utf8[i]);
    if (n > 1) {
      c &= 0x3Fu >> (n - 1);  // the lead byte's payload bits
      for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    }
    width += IsWide(c) ? 2 : 1;
    i += n;
  }
  return width;
}

}  // namespace zelvik
