// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zelvik {

// Index of the unit-system list: the unit of the long dimensions typed and of the result.
// Cross-section dimensions are always millimetres.
enum UnitSystem : int {
  kUnitKgMm = 0,  // "kg;mm": lengths in mm, areas in mm², result in kg
  kUnitKgM = 1,   // "kg;m": lengths in m, areas in m², result in kg
  kUnitTM = 2,    // "t;m": lengths in m, areas in m², result in t
};

inline constexpr int kUnitSystemCount = 3;
inline constexpr const char* kUnitSystemLabels[kUnitSystemCount] = {"kg;mm", "kg;m", "t;m"};

// Tabulated unit weights hold for steel of this density (t/m³).
inline constexpr double kTableDensity = 7.85;

// The three values every calculator reads afresh at every computation.
struct WeightSettings {
  int unitSystem = kUnitKgMm;  // any other index makes every weight 0
  int decimals = 2;            // 0 to 9; anything else shows "0.00"
  double density = 7.85;       // t/m³
};

}  // namespace zelvik
