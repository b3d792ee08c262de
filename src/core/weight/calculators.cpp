// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/calculators.h"

#include "expr/eval_expression.h"
#include "weight/families.h"
#include "weight/format.h"
#include "weight/size_lists.h"

namespace zelvik {

namespace {

constexpr double kPi = 3.1415926;

// Tabulated kinds weighed by length: unit weight scaled to the density, times the length.
CalcOutputs TableCalc(CalcId id, const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows) {
  const auto item = LookupSize(id, in.type, in.size, rows);
  const double q = item ? item->value : 0;
  const double scaled = ScaleToDensity(q, s.density);
  const double length = EvalExpression(in.length);
  CalcOutputs out;
  if (GetCalcInfo(id).spec && item) out.spec = item->spec;
  out.unitWeight = FormatUnitWeight(scaled);
  out.weight = FormatWeight(TableFamily::Weight(scaled, length, s), s.decimals);
  return out;
}

double FastenerWeight(FastenerClass cls, double r, double perMm, double length, int unit) {
  if (unit != kUnitKgMm && unit != kUnitKgM && unit != kUnitTM) return 0;
  switch (cls) {
    case FastenerClass::kBolt:
      return unit == kUnitKgM ? r * length * 10 : r * length * 0.01;
    case FastenerClass::kNutOrWasher:
      return unit == kUnitTM ? r / 1000 : r;
    case FastenerClass::kCotterPin:
      if (length == 0) return 0;
      if (unit == kUnitKgMm) return perMm * length + r;
      if (unit == kUnitKgM) return perMm * length * 1000 + r;
      return (perMm * length * 1000 + r) / 1000;
    case FastenerClass::kNone:
      break;
  }
  return 0;
}

}  // namespace

FastenerClass FastenerClassOf(int standard) {
  if (standard >= 0 && standard <= 29) return FastenerClass::kBolt;
  if (standard >= 30 && standard <= 69) return FastenerClass::kNutOrWasher;
  if (standard == 70) return FastenerClass::kCotterPin;
  return FastenerClass::kNone;
}

bool FastenerTakesLength(int standard) {
  const FastenerClass cls = FastenerClassOf(standard);
  return cls == FastenerClass::kBolt || cls == FastenerClass::kCotterPin;
}

CalcOutputs CalcPlate1(const WeightSettings& s, const CalcInputs& in, const CustomRowSet&) {
  const double l = EvalExpression(in.length);
  const double w = EvalExpression(in.width);
  const double t = EvalExpression(in.thickness);
  return CalcOutputs{FormatWeight(PlateFamily::Weight(l * w, t, s), s.decimals), {}, {}, {}};
}

CalcOutputs CalcPlate2(const WeightSettings& s, const CalcInputs& in, const CustomRowSet&) {
  const double a = EvalExpression(in.area);
  const double t = EvalExpression(in.thickness);
  return CalcOutputs{FormatWeight(PlateFamily::Weight(a, t, s), s.decimals), {}, {}, {}};
}

CalcOutputs CalcRoundPipe(const WeightSettings& s, const CalcInputs& in, const CustomRowSet&) {
  const double outer = EvalExpression(in.outer);
  const double inner = EvalExpression(in.inner);
  const double wall = EvalExpression(in.wall);
  const double length = EvalExpression(in.length);
  double area = 0;
  if (in.pipeMode == 0) {
    area = (outer * outer - inner * inner) * kPi / 4;
  } else if (outer / 2 < wall) {
    return CalcOutputs{kWallThicknessError, {}, {}, {}};
  } else if (in.wall == "r") {
    area = kPi * outer * outer / 4;
  } else {
    area = (outer * wall - wall * wall) * kPi;
  }
  return CalcOutputs{FormatWeight(SectionFamily::Weight(area, length, s), s.decimals), {}, {}, {}};
}

CalcOutputs CalcFastener(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows) {
  const double length = EvalExpression(in.length);
  const auto item = LookupSize(CalcId::kFastener, in.type, in.size, rows);
  const double r = ScaleToDensity(item ? item->value : 0, s.density);
  const double perMm = item ? item->perMm : 0;
  const FastenerClass cls = FastenerClassOf(in.type);
  CalcOutputs out;
  out.weight = FormatWeight(FastenerWeight(cls, r, perMm, length, s.unitSystem), s.decimals);
  if (cls == FastenerClass::kNutOrWasher) out.lengthText = kStandardSize;
  return out;
}

CalcOutputs CalcPlateMesh(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows) {
  const auto item = LookupSize(CalcId::kPlateMesh, in.type, in.size, rows);
  const double scaled = ScaleToDensity(item ? item->value : 0, s.density);
  const double area = EvalExpression(in.area);
  CalcOutputs out;
  out.unitWeight = FormatUnitWeight(scaled);
  out.weight = FormatWeight(AreaFamily::Weight(scaled, area, s), s.decimals);
  return out;
}

CalcOutputs CalcWireRope(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows) {
  const auto item = LookupSize(CalcId::kWireRope, in.type, in.size, rows);
  const double q = item ? item->value : 0;  // rope weights do not follow the density
  const double length = EvalExpression(in.length);
  CalcOutputs out;
  out.unitWeight = FormatRopeUnitWeight(q);
  out.weight = FormatWeight(RopeFamily::Weight(q, length, s), s.decimals);
  return out;
}

#define ZELVIK_TABLE_CALC(Name, Id)                                                            \
  CalcOutputs Name(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows) { \
    return TableCalc(Id, s, in, rows);                                                         \
  }
ZELVIK_TABLE_CALC(CalcHotAngle, CalcId::kHotAngle)
ZELVIK_TABLE_CALC(CalcHotChannel, CalcId::kHotChannel)
ZELVIK_TABLE_CALC(CalcIBeam, CalcId::kIBeam)
ZELVIK_TABLE_CALC(CalcSquareTube, CalcId::kSquareTube)
ZELVIK_TABLE_CALC(CalcWeldedPipe, CalcId::kWeldedPipe)
ZELVIK_TABLE_CALC(CalcHTSection, CalcId::kHTSection)
ZELVIK_TABLE_CALC(CalcHexBar, CalcId::kHexBar)
ZELVIK_TABLE_CALC(CalcOctBar, CalcId::kOctBar)
ZELVIK_TABLE_CALC(CalcRebar, CalcId::kRebar)
ZELVIK_TABLE_CALC(CalcColdAngle, CalcId::kColdAngle)
ZELVIK_TABLE_CALC(CalcColdChannel, CalcId::kColdChannel)
ZELVIK_TABLE_CALC(CalcColdZ, CalcId::kColdZ)
#undef ZELVIK_TABLE_CALC

CalcOutputs Compute(CalcId id, const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows) {
  const int i = static_cast<int>(id);
  if (i < 0 || i >= kCalcCount) return CalcOutputs{FormatWeight(0, s.decimals), {}, {}, {}};
  return GetCalcInfo(id).formula(s, in, rows);
}

}  // namespace zelvik
