// SPDX-License-Identifier: GPL-3.0-or-later
// What a read spec weighs, forwards and backwards, by the calculators' own formulas.
#include <cmath>

#include "spec/spec_parse.h"
#include "spec/spec_text.h"
#include "weight/calculators.h"
#include "weight/families.h"
#include "weight/size_lists.h"

namespace zelvik {

namespace {

constexpr double kPi = 3.1415926;  // as the round bar and pipe calculator has it
constexpr double kLinearTolerance = 1e-9;

const SpecDims kNoDims{};

const SpecDims& DimsOf(const ParsedSpec& spec) { return spec.dims ? *spec.dims : kNoDims; }

struct Tabulated {
  double value = 0;  // as the table holds it (density 7.85); fasteners: r
  double perMm = 0;  // cotter pins: kg per mm
};

Tabulated TableValue(const ParsedSpec& spec, const CustomRowSet& rows) {
  const auto item = LookupSize(spec.calc, spec.type, spec.size, rows);
  return item ? Tabulated{item->value, item->perMm} : Tabulated{};
}

double SectionArea(const SpecDims& d) {
  if (d.wall <= 0) return kPi * d.outer * d.outer / 4;
  return (d.outer * d.wall - d.wall * d.wall) * kPi;
}

// A piece weighs fixed + perUnit × x, where x is its length in mm (its area in mm² for the
// products weighed per m²). A cotter pin without a length weighs nothing, as the
// calculator has it.
struct Linear {
  double fixed = 0;
  double perUnit = 0;
  bool takesLength = true;
  bool area = false;
  bool zeroWithoutLength = false;
};

// `ownLength`: the length in the spec counts (false: it becomes the unknown, for the reverse).
Linear LinearOf(const ParsedSpec& spec, double density, const CustomRowSet& rows, bool ownLength) {
  const SpecDims& d = DimsOf(spec);
  const WeightSettings kgmm{kUnitKgMm, 2, density};
  Linear l;
  switch (spec.calc) {
    case CalcId::kPlate1:
      l.perUnit = PlateFamily::Weight(d.width, d.thickness, kgmm);
      if (ownLength && d.length > 0) l = Linear{l.perUnit * d.length, 0, false};
      return l;
    case CalcId::kPlate2:
      l.perUnit = PlateFamily::Weight(1, d.thickness, kgmm);
      l.area = true;
      return l;
    case CalcId::kRoundPipe:
      l.perUnit = SectionFamily::Weight(SectionArea(d), 1, kgmm);
      return l;
    case CalcId::kWireRope:  // kg per 100 m, lengths in metres, no density
      l.perUnit = RopeFamily::Weight(TableValue(spec, rows).value, 0.001, kgmm);
      return l;
    case CalcId::kFastener: {
      const Tabulated t = TableValue(spec, rows);
      const double r = ScaleToDensity(t.value, density);
      switch (FastenerClassOf(spec.type)) {
        case FastenerClass::kBolt:
          l.perUnit = r * 0.01;
          break;
        case FastenerClass::kNutOrWasher:
          return Linear{r, 0, false};
        case FastenerClass::kCotterPin:
          l = Linear{r, t.perMm, true, false, true};
          break;
        case FastenerClass::kNone:
          return Linear{0, 0, false};
      }
      if (ownLength && d.length > 0) l = Linear{l.fixed + l.perUnit * d.length, 0, false};
      return l;
    }
    case CalcId::kPlateMesh: {
      const double q = ScaleToDensity(TableValue(spec, rows).value, density);
      if (d.sheetWidth > 0 && d.sheetLength > 0) {
        l.perUnit = AreaFamily::Weight(q, d.sheetWidth, kgmm);  // per mm of sheet length
        if (ownLength) l = Linear{l.perUnit * d.sheetLength, 0, false};
        return l;
      }
      l.perUnit = AreaFamily::Weight(q, 1, kgmm);
      l.area = true;
      return l;
    }
    default:
      l.perUnit = TableFamily::Weight(ScaleToDensity(TableValue(spec, rows).value, density), 1, kgmm);
      return l;
  }
}

}  // namespace

UnitWeight UnitWeightOf(const ParsedSpec& spec, double density) { return UnitWeightOf(spec, density, {}); }

UnitWeight UnitWeightOf(const ParsedSpec& spec, double density, const CustomRowSet& rows) {
  const WeightBasis basis = GetCalcInfo(spec.calc).basis;
  if (basis == WeightBasis::kPerSquareMetre && spec.size >= 0) {  // with a sheet size too: so they are sold
    return UnitWeight{ScaleToDensity(TableValue(spec, rows).value, density), WeightBasis::kPerSquareMetre, "kg/m²"};
  }
  const Linear l = LinearOf(spec, density, rows, true);
  if (!l.takesLength) return UnitWeight{l.fixed, WeightBasis::kPerPiece, "kg/piece"};
  if (basis == WeightBasis::kPer100Metre) return UnitWeight{TableValue(spec, rows).value, basis, "kg/100m"};
  if (l.area) return UnitWeight{l.perUnit * 1e6, WeightBasis::kPerSquareMetre, "kg/m²"};
  return UnitWeight{l.perUnit * 1000, WeightBasis::kPerMetre, "kg/m"};
}

bool TakesLength(const ParsedSpec& spec) { return LinearOf(spec, kTableDensity, {}, true).takesLength; }

bool LengthIsArea(const ParsedSpec& spec) { return LinearOf(spec, kTableDensity, {}, true).area; }

double PieceWeightKg(const ParsedSpec& spec, double lengthMm, double density) {
  return PieceWeightKg(spec, lengthMm, density, {});
}

double PieceWeightKg(const ParsedSpec& spec, double lengthMm, double density, const CustomRowSet& rows) {
  const Linear l = LinearOf(spec, density, rows, true);
  if (!l.takesLength) return l.fixed;
  if (l.zeroWithoutLength && lengthMm == 0) return 0;
  return l.fixed + l.perUnit * lengthMm;
}

std::optional<double> LengthForWeight(const ParsedSpec& spec, double targetKg, double density,
                                      const CustomRowSet& rows) {
  const Linear l = LinearOf(spec, density, rows, false);
  if (!l.takesLength || !(l.perUnit > 0) || !(targetKg > l.fixed)) return std::nullopt;
  const double length = (targetKg - l.fixed) / l.perUnit;
  if (!std::isfinite(length)) return std::nullopt;
  return length;
}

std::optional<PiecesForWeight> PiecesFor(const ParsedSpec& spec, double targetKg, double lengthMm, double density,
                                         const CustomRowSet& rows) {
  const double piece = PieceWeightKg(spec, lengthMm, density, rows);
  if (!(piece > 0) || !(targetKg > 0) || !std::isfinite(targetKg)) return std::nullopt;
  const double exact = targetKg / piece;
  // A target that is a whole number of pieces but for the last bits of a double is met.
  const double n = std::ceil(exact - kLinearTolerance * std::max(1.0, exact));
  if (!(n < 1e15)) return std::nullopt;
  const auto pieces = static_cast<long long>(std::max(1.0, n));
  return PiecesForWeight{pieces, static_cast<double>(pieces) * piece};
}

CalcInputs InputsOf(const ParsedSpec& spec, int unitSystem) {
  const bool mm = unitSystem == kUnitKgMm;
  auto longText = [&](double mm) { return mm > 0 ? spec::FormatDim(unitSystem == kUnitKgMm ? mm : mm / 1000) : ""; };
  const SpecDims& d = DimsOf(spec);
  CalcInputs in;
  in.type = spec.type < 0 ? 0 : spec.type;
  in.size = spec.size;
  switch (spec.calc) {
    case CalcId::kPlate1:
      in.length = longText(d.length);
      in.width = longText(d.width);
      in.thickness = spec::FormatDim(d.thickness);
      break;
    case CalcId::kPlate2:
      in.thickness = spec::FormatDim(d.thickness);
      break;
    case CalcId::kRoundPipe:
      in.outer = spec::FormatDim(d.outer);
      in.inner.assign(1, '0');  // (GCC 12 warns wrongly on assigning the literals here)
      in.pipeMode = 1;
      if (d.wall > 0) {
        in.wall = spec::FormatDim(d.wall);
      } else {
        in.wall.assign(1, 'r');
      }
      break;
    case CalcId::kPlateMesh:
      if (d.sheetWidth > 0) {
        in.area = spec::FormatDim(mm ? d.sheetWidth * d.sheetLength : (d.sheetWidth / 1000) * (d.sheetLength / 1000));
      }
      break;
    default:
      in.length = longText(d.length);
      break;
  }
  return in;
}

}  // namespace zelvik
