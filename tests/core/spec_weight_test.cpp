// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "spec/spec_parse.h"
#include "weight/calculators.h"

namespace zelvik {
namespace {

ParsedSpec Read(std::string_view text) {
  const auto r = ParseSpec(text);
  if (const auto* e = std::get_if<SpecError>(&r)) ADD_FAILURE() << text << ": " << e->message;
  return std::holds_alternative<ParsedSpec>(r) ? std::get<ParsedSpec>(r) : ParsedSpec{};
}

// One spec per calculator: the piece weight is what the calculator itself shows for the
// fields the spec fills, under every unit system and at another density.
TEST(SpecWeight, PieceWeightIsTheCalculatorsOwn) {
  const struct {
    const char* text;
    double lengthMm;  // mm² for the ones weighed per m²
  } rows[] = {
      {"-10×1500×6000", 0}, {"-50×5", 6000},  {"-10", 2e6},          {"L50×5", 6000},        {"Φ20", 1000},
      {"Φ108×4", 6000},     {"[20a", 9000},   {"I20a", 12000},       {"□100×4", 6000},       {"DN25×3.25", 6000},
      {"M20×100", 0},       {"M20", 80},      {"螺母M20", 0},        {"开口销φ2", 20},       {"开口销φ2", 0},
      {"HN400×200", 12000}, {"菱形花纹板δ4", 2e6}, {"菱形花纹板δ4×1500×6000", 0}, {"6×19-20钢芯", 50000},
      {"六角20", 6000},     {"八角20", 6000}, {"螺纹钢φ12", 9000},   {"冷弯L50×50×3", 6000}, {"[50×30×2", 6000},
      {"Z80×40×2.5", 6000},
  };
  for (double density : {7.85, 7.93}) {
    for (const auto& row : rows) {
      const ParsedSpec spec = Read(row.text);
      for (int unit : {kUnitKgMm, kUnitKgM, kUnitTM}) {
        CalcInputs in = InputsOf(spec, unit);
        const bool area = LengthIsArea(spec);
        const double scale = unit == kUnitKgMm ? 1 : (area ? 1e-6 : 1e-3);
        if (TakesLength(spec)) {
          // The rope's length field is in metres whatever the unit system.
          const double value = spec.calc == CalcId::kWireRope ? row.lengthMm / 1000 : row.lengthMm * scale;
          (area ? in.area : in.length) = std::to_string(value);
        }
        const double shown = std::stod(Compute(spec.calc, WeightSettings{unit, 9, density}, in, {}).weight);
        const double kg = PieceWeightKg(spec, row.lengthMm, density) / (unit == kUnitTM ? 1000 : 1);
        EXPECT_NEAR(shown, kg, 1e-8 + std::fabs(kg) * 1e-9) << row.text << " unit " << unit << " density " << density;
      }
    }
  }
}

TEST(SpecWeight, UnitWeightsAndTheirBasis) {
  const struct {
    const char* text;
    double value;
    WeightBasis basis;
    const char* unit;
  } rows[] = {
      {"L50×5", 3.77, WeightBasis::kPerMetre, "kg/m"},
      {"Φ20", 3.1415926 * 100 * 7.85e-3, WeightBasis::kPerMetre, "kg/m"},
      {"-50×5", 1.9625, WeightBasis::kPerMetre, "kg/m"},
      {"-10×1500×6000", 706.5, WeightBasis::kPerPiece, "kg/piece"},
      {"-10", 78.5, WeightBasis::kPerSquareMetre, "kg/m²"},
      {"菱形花纹板δ4×1500×6000", 33.4, WeightBasis::kPerSquareMetre, "kg/m²"},
      {"6×19-20钢芯", 160, WeightBasis::kPer100Metre, "kg/100m"},
      {"GB 5782 M20×100", 0.289, WeightBasis::kPerPiece, "kg/piece"},
      {"螺母M20", 0.05155, WeightBasis::kPerPiece, "kg/piece"},
  };
  for (const auto& row : rows) {
    const UnitWeight w = UnitWeightOf(Read(row.text), 7.85);
    EXPECT_NEAR(w.value, row.value, 1e-9) << row.text;
    EXPECT_EQ(w.basis, row.basis) << row.text;
    EXPECT_STREQ(w.unit, row.unit) << row.text;
  }
  // Wire rope does not follow the density; the rest do.
  EXPECT_EQ(UnitWeightOf(Read("6×19-20钢芯"), 8.0).value, 160);
  EXPECT_NEAR(UnitWeightOf(Read("L50×5"), 7.93).value, 3.77 * 7.93 / 7.85, 1e-12);
}

TEST(SpecWeight, WhatTakesALength) {
  for (const char* text : {"-10×1500×6000", "螺母M20", "垫圈20", "M20×100", "菱形花纹板δ4×1500×6000"})
    EXPECT_FALSE(TakesLength(Read(text))) << text;
  for (const char* text : {"-50×5", "L50×5", "Φ108×4", "M20", "6×19-20", "菱形花纹板δ4", "-10"})
    EXPECT_TRUE(TakesLength(Read(text))) << text;
  EXPECT_TRUE(LengthIsArea(Read("菱形花纹板δ4")));
  EXPECT_FALSE(LengthIsArea(Read("L50×5")));
}

TEST(SpecWeight, ReverseCalculationRoundTrips) {
  for (const char* text : {"L50×5", "Φ108×4", "-50×5", "M20", "开口销φ2", "6×19-20", "菱形花纹板δ4", "□100×4"}) {
    const ParsedSpec spec = Read(text);
    for (double length : {1.0, 6000.0, 123456.5}) {
      const auto back = LengthForWeight(spec, PieceWeightKg(spec, length, 7.85), 7.85);
      ASSERT_TRUE(back) << text;
      EXPECT_NEAR(*back, length, length * 1e-12) << text;
    }
  }
  // The figures: 377 kg of ∠50×50×5 is 100 m; 1000 kg in 6 m bars is 45 bars.
  EXPECT_NEAR(*LengthForWeight(Read("L50×5"), 377, 7.85), 100000, 1e-6);
  const auto pieces = PiecesFor(Read("L50×5"), 1000, 6000, 7.85);
  ASSERT_TRUE(pieces);
  EXPECT_EQ(pieces->pieces, 45);
  EXPECT_NEAR(pieces->weightKg, 1017.9, 1e-9);
  // Exactly 44 bars' weight needs 44, not 45.
  EXPECT_EQ(PiecesFor(Read("L50×5"), 44 * 22.62, 6000, 7.85)->pieces, 44);
  // A plate's length at its thickness and width; a sheet's at its width.
  EXPECT_NEAR(*LengthForWeight(Read("-10×1500×6000"), 706.5, 7.85), 6000, 1e-9);
  EXPECT_NEAR(*LengthForWeight(Read("菱形花纹板δ4×1500×6000"), 33.4 * 1.5 * 2, 7.85), 2000, 1e-9);
  EXPECT_EQ(PiecesFor(Read("-10×1500×6000"), 1413, 0, 7.85)->pieces, 2);
  // Nothing reaches a weight by length for a nut; nothing weighs nothing.
  EXPECT_FALSE(LengthForWeight(Read("螺母M20"), 1, 7.85));
  EXPECT_EQ(PiecesFor(Read("螺母M20"), 1, 0, 7.85)->pieces, 20);
  EXPECT_FALSE(PiecesFor(Read("L50×5"), 100, 0, 7.85));
  EXPECT_FALSE(PiecesFor(Read("L50×5"), -1, 6000, 7.85));
  EXPECT_FALSE(LengthForWeight(Read("开口销φ2"), 0.00001, 7.85));  // lighter than the pin's head
}

}  // namespace
}  // namespace zelvik
