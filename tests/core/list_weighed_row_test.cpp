// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "list/list_format.h"
#include "list/weighed_row.h"
#include "spec/spec_parse.h"
#include "weight/calculators.h"
#include "weight/registry.h"
#include "weight/size_lists.h"

namespace zelvik {
namespace {

const SpecResolver& Resolver() {
  static const auto resolver = MakeSpecResolver();
  return *resolver;
}

ListRow RowOf(const Weighing& w) {
  const auto row = RowOfWeighing(w, {}, Resolver());
  if (const auto* why = std::get_if<std::string>(&row)) ADD_FAILURE() << *why;
  return std::holds_alternative<ListRow>(row) ? std::get<ListRow>(row) : ListRow{};
}

// The fields a spec string fills on its page, weighed with "重量", come back as that spec:
// one piece that weighs what the page shows, under every unit system and another density.
TEST(WeighedRow, APageWeighingIsTheRowOfItsSpec) {
  const struct {
    const char* text;
    double lengthMm;  // typed into the length field; 0 where the spec fixes the piece
    const char* spec;
  } cases[] = {
      {"-10×1500×6000", 0, "-10×1500×6000"},  {"L50×5", 6000, "∠50×50×5"},     {"Φ20", 1000, "Φ20"},
      {"Φ108×4", 6100, "Φ108×4"},             {"[20a", 9000, "[20a"},          {"□100×4", 6000, "□100×4.0"},
      {"M20", 80, "LS 5782-2000 M20×80"},     {"螺母M20", 0, "LM 6170-2000 M20"},
      {"HN400×200", 12000, "HN400×200"},      {"6×19-20钢芯", 50000, "6×19-20钢芯"}, {"六角20", 6000, "六角20"},
      {"冷弯L50×50×3", 6000, "∠50×50×3.0"},
  };
  for (double density : {7.85, 7.93}) {
    for (const auto& c : cases) {
      const auto parsed = ParseSpec(c.text);
      ASSERT_TRUE(std::holds_alternative<ParsedSpec>(parsed)) << c.text;
      const ParsedSpec& spec = std::get<ParsedSpec>(parsed);
      for (int unit : {kUnitKgMm, kUnitKgM, kUnitTM}) {
        Weighing w{spec.calc, InputsOf(spec, unit), WeightSettings{unit, 9, density}};
        if (c.lengthMm > 0) {
          const bool metres = unit != kUnitKgMm || spec.calc == CalcId::kWireRope;
          w.inputs.length = FormatExact(metres ? c.lengthMm / 1000 : c.lengthMm);
        }
        const ListRow row = RowOf(w);
        const std::string at = std::string(c.text) + " unit " + std::to_string(unit);
        EXPECT_EQ(row.item.calc, GetCalcInfo(spec.calc).cliName) << at;
        EXPECT_EQ(row.quantity, 1) << at;
        EXPECT_EQ(row.density, density) << at;
        const double shown = std::stod(Compute(spec.calc, w.settings, w.inputs, {}).weight);
        const double kg = ComputeRow(row).pieceKg / (unit == kUnitTM ? 1000 : 1);
        EXPECT_NEAR(kg, shown, 1e-8 + shown * 1e-9) << at;
        EXPECT_EQ(row.item.spec, c.spec) << at;
      }
    }
  }
}

// Pages give dimensions as fields: an inner diameter, metres, a user's own size.
TEST(WeighedRow, FieldsBecomeSpecs) {
  CalcInputs pipe;
  pipe.outer = "108";
  pipe.inner = "100";
  pipe.length = "6";
  EXPECT_EQ(RowOf({CalcId::kRoundPipe, pipe, {kUnitKgM, 2, 7.85}}).item.spec, "Φ108×4");
  EXPECT_EQ(RowOf({CalcId::kRoundPipe, pipe, {kUnitKgM, 2, 7.85}}).lengthMm, 6000);

  CalcInputs plate;
  plate.length = "1.1";
  plate.width = "0.3+0.2";
  plate.thickness = "10";
  EXPECT_EQ(RowOf({CalcId::kPlate1, plate, {kUnitKgM, 2, 7.85}}).item.spec, "-10×500×1100");

  CustomRowSet rows;
  rows[0].push_back(CustomRow{0, "角钢(热轧)", "∠33×33×3", "", "1.5"});
  CalcInputs own;
  own.size = BuiltInCount(CalcId::kHotAngle);
  own.length = "1000";
  const auto resolver = MakeSpecResolver(rows);
  const auto read = RowOfWeighing({CalcId::kHotAngle, own, {kUnitKgMm, 2, 7.85}}, rows, *resolver);
  ASSERT_TRUE(std::holds_alternative<ListRow>(read)) << std::get<std::string>(read);
  const ListRow& row = std::get<ListRow>(read);
  EXPECT_EQ(row.item.spec, "∠33×33×3");
  EXPECT_DOUBLE_EQ(ComputeRow(row).pieceKg, 1.5);
}

TEST(WeighedRow, WhatNoRowCanHoldIsSaid) {
  const struct {
    const char* what;
    CalcId calc;
    void (*fill)(CalcInputs&);
    double density = 7.85;
  } cases[] = {
      {"plate without width", CalcId::kPlate1, [](CalcInputs& in) { in.length = "1000", in.thickness = "10"; }},
      {"plate by area", CalcId::kPlate2, [](CalcInputs& in) { in.area = "2", in.thickness = "10"; }},
      {"inner over outer", CalcId::kRoundPipe, [](CalcInputs& in) { in.length = "1", in.outer = "20", in.inner = "30"; }},
      {"wall over half", CalcId::kRoundPipe,
       [](CalcInputs& in) { in.length = "1", in.outer = "20", in.wall = "11", in.pipeMode = 1; }},
      {"no size chosen", CalcId::kHotAngle, [](CalcInputs& in) { in.size = -1, in.length = "1000"; }},
      {"no length", CalcId::kHotAngle, [](CalcInputs&) {}},
      {"no density", CalcId::kHotAngle, [](CalcInputs& in) { in.length = "1000"; }, 0},
  };
  for (const auto& c : cases) {
    CalcInputs in;
    c.fill(in);
    const auto row = RowOfWeighing({c.calc, in, {kUnitKgMm, 2, c.density}}, {}, Resolver());
    EXPECT_TRUE(std::holds_alternative<std::string>(row)) << c.what;
  }
}

}  // namespace
}  // namespace zelvik
