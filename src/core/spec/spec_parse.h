// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "weight/calc_types.h"

// Spec strings as people write them on drawings, in quotes and in chat ("L50×5", "[20a",
// "Φ108×4", "-10×1500×6000", "M20") read into a calculator and its size or dimensions.
namespace zelvik {

struct SpecDims {  // mm; 0 where not given
  double outer = 0, wall = 0;                    // round bar (wall 0 = solid) and pipe
  double thickness = 0, width = 0, length = 0;   // plate -T×W×L, flat bar -W×T (length 0),
                                                 // plate -T (per m²); bolt or pin length
  double sheetWidth = 0, sheetLength = 0;        // sheet size of a plate product: "<size>×W×L"
  bool operator==(const SpecDims&) const = default;
};

struct ParsedSpec {
  CalcId calc = CalcId::kPlate1;
  int type = -1, size = -1;      // list indexes as the pages select them, -1 where none
  std::optional<SpecDims> dims;  // computed products, bolts and pins with a length, sheets
  std::string canonical;         // parses back to the same ParsedSpec
  bool operator==(const ParsedSpec&) const = default;
};

enum class SpecErrorKind {
  kEmpty,          // nothing but blanks
  kUnreadable,     // no form fits the text
  kNoSuchSize,     // the form fits, but no table holds the size
  kAmbiguous,      // more than one calculator holds the size: the candidates
  kBadDimensions,  // a wall thicker than half the diameter, a zero dimension
};

struct SpecError {
  SpecErrorKind kind = SpecErrorKind::kUnreadable;
  std::string message;                  // Chinese, as the program shows it
  std::vector<std::string> candidates;  // at most five canonical texts, closest first
};

inline constexpr size_t kMaxSpecCandidates = 5;

// Exactly one reading, or an error. Where two calculators hold the size, the one whose
// table holds it as written wins, then hot-rolled over cold-formed; a tie is an error.
std::variant<ParsedSpec, SpecError> ParseSpec(std::string_view text);
// The same, with the user-defined sizes appended to their lists as the pages append them.
std::variant<ParsedSpec, SpecError> ParseSpec(std::string_view text, const CustomRowSet& rows);

// The reading of a built-in list item (one-level lists: type -1), as the text that names it.
std::optional<ParsedSpec> SpecOfSize(CalcId calc, int type, int size);

struct UnitWeight {
  double value;
  WeightBasis basis;
  const char* unit;  // "kg/m", "kg/m²", "kg/piece", "kg/100m"
};

// At `density` t/m³; wire rope as tabulated (it does not follow the density).
UnitWeight UnitWeightOf(const ParsedSpec& spec, double density);
UnitWeight UnitWeightOf(const ParsedSpec& spec, double density, const CustomRowSet& rows);

// Whether a piece needs a length besides the spec. False for plate -T×W×L, nuts and
// washers, plate products with a sheet size and bolts or pins whose length is in the spec.
bool TakesLength(const ParsedSpec& spec);
// For the products weighed per m² (plate products without a sheet size, plate "-T") the
// "length" PieceWeightKg takes is the area in mm², as the calculator's area field reads it.
bool LengthIsArea(const ParsedSpec& spec);

// One piece in kg, unrounded: the calculator's own formula under "kg;mm". `lengthMm` is
// ignored where TakesLength is false.
double PieceWeightKg(const ParsedSpec& spec, double lengthMm, double density);
double PieceWeightKg(const ParsedSpec& spec, double lengthMm, double density, const CustomRowSet& rows);

// The length (mm; mm² where LengthIsArea) that weighs `targetKg`: for plates and sheets
// at their thickness and width, for bolts and pins at their size. Nullopt where no length
// changes the weight (nuts, washers) or the target cannot be reached.
std::optional<double> LengthForWeight(const ParsedSpec& spec, double targetKg, double density,
                                      const CustomRowSet& rows = {});

struct PiecesForWeight {
  long long pieces;  // rounded up
  double weightKg;   // of that many pieces
};
// Pieces of `lengthMm` (ignored where TakesLength is false) that reach `targetKg`;
// nullopt when a piece weighs nothing or the count is out of range.
std::optional<PiecesForWeight> PiecesFor(const ParsedSpec& spec, double targetKg, double lengthMm, double density,
                                         const CustomRowSet& rows = {});

// The calculator's field texts for the spec, in the unit system's long unit (mm under
// "kg;mm", m otherwise); what a page types and the command line computes through.
CalcInputs InputsOf(const ParsedSpec& spec, int unitSystem);

}  // namespace zelvik
