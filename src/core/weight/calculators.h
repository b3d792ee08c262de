// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "weight/calc_types.h"
#include "weight/registry.h"

// The eighteen calculators as pure functions: list selections and field texts in,
// the texts of their read-only fields out.
namespace zelvik {

// Error text of the round bar and pipe calculator.
inline constexpr const char* kWallThicknessError = "壁厚输入错误";
// Length-field text of fasteners that have no length.
inline constexpr const char* kStandardSize = "标准大小";

// The standard's index decides how a fastener is weighed.
enum class FastenerClass { kNone, kBolt, kNutOrWasher, kCotterPin };
FastenerClass FastenerClassOf(int standard);

// Bolt standards and the cotter pin are weighed by length; nuts and washers are not.
bool FastenerTakesLength(int standard);

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
