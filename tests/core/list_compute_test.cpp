// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "list/list_document.h"
#include "list/list_fields.h"
#include "list/list_format.h"
#include "list_fake_resolver.h"

namespace zelvik {
namespace {

ListRow Row(const char* spec, double lengthMm, long long quantity, double price = 0,
            PriceBasis basis = PriceBasis::kPerTonne, double density = 7.85, const char* material = "") {
  auto resolved = testing::FakeResolver().Resolve(spec, "", density);
  ListRow row;
  row.item = std::get<ResolvedSpec>(resolved);
  row.lengthMm = row.item.takesLength ? lengthMm : 0;
  row.quantity = quantity;
  row.price = price;
  row.basis = basis;
  row.density = density;
  row.material = material;
  return row;
}

TEST(ListCompute, EachPriceBasisAndProductKind) {
  struct Case {
    ListRow row;
    double pieceKg, totalKg, amount;
  };
  const Case cases[] = {
      // The example row: ∠50×50×5, 6 m, 10 pieces at 4200 元/吨.
      {Row("L50", 6000, 10, 4200), 22.62, 226.2, 950.04},
      {Row("L50", 6000, 10, 4.2, PriceBasis::kPerKg), 22.62, 226.2, 950.04},
      {Row("L50", 6000, 10, 25, PriceBasis::kPerMetre), 22.62, 226.2, 1500},
      {Row("L50", 6000, 10, 90, PriceBasis::kPerPiece), 22.62, 226.2, 900},
      {Row("L50", 6000, 10), 22.62, 226.2, 0},
      // Per piece and per area: the length plays no part.
      {Row("-10×1000×2000", 6000, 3, 5000), 157, 471, 2355},
      {Row("-10×1000×2000", 0, 3, 100, PriceBasis::kPerPiece), 157, 471, 300},
      {Row("MESH", 0, 4, 8, PriceBasis::kPerKg), 20, 80, 640},
      // Densities: stainless beside steel; rope weights ignore it.
      {Row("L50", 1000, 1, 0, PriceBasis::kPerTonne, 7.93), 3.77 * 7.93 / 7.85, 3.77 * 7.93 / 7.85, 0},
      {Row("-10×1000×2000", 0, 1, 0, PriceBasis::kPerTonne, 7.93), 158.6, 158.6, 0},
      {Row("ROPE", 200000, 2, 0, PriceBasis::kPerTonne, 7.93), 100, 200, 0},
  };
  for (const Case& c : cases) {
    const RowFigures f = ComputeRow(c.row);
    SCOPED_TRACE(c.row.item.spec + " " + PriceBasisText(c.row.basis));
    EXPECT_NEAR(f.pieceKg, c.pieceKg, 1e-9);
    EXPECT_NEAR(f.totalKg, c.totalKg, 1e-9);
    EXPECT_NEAR(f.amount, c.amount, 1e-9);
  }
}

TEST(ListCompute, TotalsAndSummaryAddUnroundedValues) {
  // 0.333 kg pieces: each row shows 0.33, the total of three shows 1.00 (not 0.99).
  std::vector<ListRow> rows = {Row("L50", 1000 / 3.77 * 0.333, 1, 3000, PriceBasis::kPerTonne, 7.85, "Q235B"),
                               Row("L50", 1000 / 3.77 * 0.333, 1, 3000, PriceBasis::kPerTonne, 7.85, "Q345B"),
                               Row("L50", 1000 / 3.77 * 0.334, 1, 3000, PriceBasis::kPerTonne, 7.85, "Q235B"),
                               Row("-10×1000×2000", 0, 2)};
  const ListTotals t = ComputeTotals(rows);
  EXPECT_EQ(t.pieces, 5);
  EXPECT_NEAR(t.totalKg, 315, 1e-9);
  EXPECT_NEAR(t.totalT, 0.315, 1e-12);
  EXPECT_NEAR(t.amount, 3.0, 1e-9);
  const ListDisplay d;
  EXPECT_EQ(CellText(rows[0], ComputeRow(rows[0]), 0, ListColumn::kTotalKg, d), "0.33");

  const auto summary = Summarize(rows);
  ASSERT_EQ(summary.size(), 3u);  // by 品名 + 规格 + 材质, in order of appearance
  EXPECT_EQ(summary[0].material, "Q235B");
  EXPECT_EQ(summary[0].pieces, 2);
  EXPECT_NEAR(summary[0].totalKg, 0.667, 1e-9);
  EXPECT_NEAR(summary[0].lengthM, (0.333 + 0.334) / 3.77, 1e-12);
  EXPECT_EQ(summary[1].material, "Q345B");
  EXPECT_EQ(summary[2].spec, "-10×1000×2000");
  EXPECT_EQ(summary[2].lengthM, 0);
}

TEST(ListCompute, RoundingForDisplayIsHalfAwayFromZeroAsSpreadsheetsShow) {
  const std::tuple<double, int, const char*> cases[] = {
      {2.675, 2, "2.68"},   {1.005, 2, "1.01"},     {0.125, 2, "0.13"},     {-2.675, 2, "-2.68"},
      {950.04, 2, "950.04"}, {-0.001, 2, "0.00"},   {0.0049, 2, "0.00"},    {0.005, 2, "0.01"},
      {9.995, 2, "10.00"},  {999999.5, 0, "1000000"}, {226.2, 0, "226"},    {0, 3, "0.000"},
      {3.77, 3, "3.770"},   {1e-20, 2, "0.00"},     {123456789012.345, 2, "123456789012.35"},
      {0.1 + 0.2, 9, "0.300000000"},
  };
  for (const auto& [value, decimals, text] : cases) EXPECT_EQ(FormatRounded(value, decimals), text) << value;
  EXPECT_EQ(FormatExact(6000), "6000");
  EXPECT_EQ(FormatExact(2350.5), "2350.5");
}

TEST(ListCompute, NumbersAsTypedInCells) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"6000", 6000},   {" 6000 ", 6000},   {"6,000", 6000},    {"1,234,567.5", 1234567.5}, {"６０００", 6000},
      {"１２．５", 12.5}, {"+3", 3},         {"-3", -3},         {".5", 0.5},  {"\xC2\xA0" "7\xE3\x80\x80", 7},
      {"", std::nullopt}, {"abc", std::nullopt}, {"6000mm", std::nullopt}, {"1,23", std::nullopt},
      {"12,3456", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e999", std::nullopt},
      {"0x10", std::nullopt}, {"-", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseListNumber(text), value) << text;
}

TEST(ListCompute, PriceBasisTexts) {
  const std::pair<const char*, std::optional<PriceBasis>> cases[] = {
      {"元/吨", PriceBasis::kPerTonne}, {"元/T", PriceBasis::kPerTonne}, {"元／千克", PriceBasis::kPerKg},
      {"元/kg", PriceBasis::kPerKg},   {" 元/米 ", PriceBasis::kPerMetre}, {"元/根", PriceBasis::kPerPiece},
      {"元/件", PriceBasis::kPerPiece}, {"元/斤", std::nullopt},          {"", std::nullopt},
  };
  for (const auto& [text, basis] : cases) EXPECT_EQ(ParsePriceBasis(text), basis) << text;
  for (int i = 0; i < kPriceBasisCount; ++i) {
    const auto basis = static_cast<PriceBasis>(i);
    EXPECT_EQ(ParsePriceBasis(PriceBasisText(basis)), basis);
  }
}

TEST(ListCompute, CellTextsInTheDisplayUnits) {
  const ListRow row = Row("L50", 6000, 10, 4200);
  const RowFigures f = ComputeRow(row);
  ListDisplay kgMm{3, kUnitKgMm};
  ListDisplay tM{3, kUnitTM};
  EXPECT_EQ(ColumnHeader(ListColumn::kLength, kgMm), "长度(mm)");
  EXPECT_EQ(ColumnHeader(ListColumn::kTotalKg, tM), "总重(t)");
  EXPECT_EQ(CellText(row, f, 4, ListColumn::kNo, kgMm), "5");
  EXPECT_EQ(CellText(row, f, 0, ListColumn::kLength, kgMm), "6000");
  EXPECT_EQ(CellText(row, f, 0, ListColumn::kLength, tM), "6");
  EXPECT_EQ(CellText(row, f, 0, ListColumn::kUnitWeight, tM), "3.770 kg/m");
  EXPECT_EQ(CellText(row, f, 0, ListColumn::kTotalKg, kgMm), "226.200");
  EXPECT_EQ(CellText(row, f, 0, ListColumn::kTotalKg, tM), "0.226");
  EXPECT_EQ(CellText(row, f, 0, ListColumn::kAmount, tM), "950.04");
  const ListRow plate = Row("-10×1000×2000", 0, 1);
  EXPECT_EQ(CellText(plate, ComputeRow(plate), 0, ListColumn::kLength, kgMm), "");
  EXPECT_EQ(CellText(plate, ComputeRow(plate), 0, ListColumn::kPrice, kgMm), "");  // no price
  EXPECT_EQ(CellText(plate, ComputeRow(plate), 0, ListColumn::kAmount, kgMm), "");
}

TEST(ListCompute, DocumentSheetsCarryExactNumbersAndTotals) {
  const std::vector<ListRow> rows = {Row("L50", 6000, 10, 4200, PriceBasis::kPerTonne, 7.85, "Q235B"),
                                     Row("-10×1000×2000", 0, 3)};
  const ListDocument doc = MakeListDocument(rows, ListDisplay{2, kUnitKgMm}, {"2024-05-01", "甲方", ""});
  ASSERT_EQ(doc.items.rows.size(), 2u);
  const auto& cell = doc.items.rows[0][static_cast<int>(ListColumn::kUnitWeight)];
  EXPECT_EQ(cell.number, 3.77);
  EXPECT_EQ(cell.text, "3.770 kg/m");
  EXPECT_EQ(cell.suffix, " kg/m");
  EXPECT_FALSE(doc.items.rows[1][static_cast<int>(ListColumn::kLength)].number);
  const auto& totals = doc.items.totals;
  EXPECT_EQ(totals[0].text, "合计");
  EXPECT_EQ(totals[static_cast<int>(ListColumn::kTotalKg)].text, "697.20");
  EXPECT_EQ(totals[static_cast<int>(ListColumn::kNote)].text, "0.697 t");
  EXPECT_EQ(totals[static_cast<int>(ListColumn::kNote)].of, static_cast<int>(ListColumn::kTotalKg));
  ASSERT_EQ(doc.summary.rows.size(), 2u);
  EXPECT_EQ(doc.summary.rows[0][static_cast<int>(SummaryColumn::kLengthM)].text, "60.000");
  EXPECT_EQ(doc.summary.totals[static_cast<int>(SummaryColumn::kPieces)].text, "13");
  EXPECT_EQ(DisplayWidth("∠50×50×5"), 8u);
  EXPECT_EQ(DisplayWidth("角钢(热轧)"), 10u);
}

}  // namespace
}  // namespace zelvik
