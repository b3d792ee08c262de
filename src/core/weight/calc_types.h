// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "weight/custom_row.h"
#include "weight/settings.h"

// What every calculator takes and gives, shared by the registry and the formulas.
namespace zelvik {

// In the order the main window recomputes them.
enum class CalcId : int {
  kPlate1, kPlate2, kHotAngle, kRoundPipe, kHotChannel, kIBeam,
  kSquareTube, kWeldedPipe, kFastener, kHTSection, kPlateMesh, kWireRope,
  kHexBar, kOctBar, kRebar, kColdAngle, kColdChannel, kColdZ,
};
inline constexpr int kCalcCount = 18;

// Input fields a calculator reads.
enum CalcField : unsigned {
  kFieldLength = 1u << 0,
  kFieldWidth = 1u << 1,
  kFieldThickness = 1u << 2,
  kFieldArea = 1u << 3,
  kFieldOuter = 1u << 4,
  kFieldInner = 1u << 5,
  kFieldWall = 1u << 6,
};

// What a tabulated or computed unit weight refers to.
enum class WeightBasis { kPerMetre, kPerSquareMetre, kPerPiece, kPer100Metre };

// Selections are zero-based list indexes, -1 for no selection; texts are the fields'
// whole texts, read as expressions.
struct CalcInputs {
  int type = 0;
  int size = 0;
  std::string length;
  std::string width;
  std::string thickness;
  std::string area;
  std::string outer;
  std::string inner;
  std::string wall;
  int pipeMode = 0;  // round bar/pipe: 0 inner diameter, 1 wall thickness
};

struct CalcOutputs {
  std::string weight;                     // the result field
  std::optional<std::string> unitWeight;  // set by calculators that show one
  std::optional<std::string> spec;        // set when the "规格:" field changes
  std::optional<std::string> lengthText;  // set when the length field is rewritten
};

using CalcFunction = CalcOutputs (*)(const WeightSettings&, const CalcInputs&, const CustomRowSet&);

}  // namespace zelvik
