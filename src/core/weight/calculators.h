// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>

#include "weight/custom_row.h"
#include "weight/settings.h"

// The eighteen calculators as pure functions: list selections and field texts in,
// the texts of their read-only fields out.
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

struct CalcInfo {
  CalcId id;
  const char* cliName;   // "hot-angle"
  const char* title;     // group box caption
  unsigned fields;       // CalcField bits
  bool typeList;         // has a first-level "类型:" list
  bool sizeList;         // has a "型号:"/"规格:" size list
  bool unitWeight;       // shows a unit weight
  bool spec;             // shows a "规格:" text field
  bool lengthText;       // writes its length field (fasteners)
  int customKind;        // kind of user-defined rows appended to the size list, -1 none
};

std::span<const CalcInfo> AllCalcs();
const CalcInfo& GetCalcInfo(CalcId id);

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

// Error text of the round bar and pipe calculator.
inline constexpr const char* kWallThicknessError = "壁厚输入错误";
// Length-field text of fasteners that have no length.
inline constexpr const char* kStandardSize = "标准大小";

// Bolt standards and the cotter pin are weighed by length; nuts and washers are not.
bool FastenerTakesLength(int standard);

using CalcFunction = CalcOutputs (*)(const WeightSettings&, const CalcInputs&, const CustomRowSet&);

CalcOutputs CalcPlate1(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcPlate2(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcHotAngle(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcRoundPipe(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcHotChannel(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcIBeam(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcSquareTube(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcWeldedPipe(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcFastener(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcHTSection(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcPlateMesh(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcWireRope(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcHexBar(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcOctBar(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcRebar(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcColdAngle(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcColdChannel(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);
CalcOutputs CalcColdZ(const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);

CalcOutputs Compute(CalcId id, const WeightSettings& s, const CalcInputs& in, const CustomRowSet& rows);

}  // namespace zelvik
