// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "weight/settings.h"

// The formula families and their unit-system multipliers. Any unit-system index other
// than the three known ones makes every weight 0.
namespace zelvik {

// Tabulated unit weights are held for density 7.85 and scale with the density.
double ScaleToDensity(double q, double density);

namespace PlateFamily {
// longProduct: length × width (or the area) in the unit system's long unit; thickness in mm.
double Weight(double longProduct, double thickness, const WeightSettings& s);
}  // namespace PlateFamily

namespace SectionFamily {
// sectionArea in mm², length in the unit system's long unit.
double Weight(double sectionArea, double length, const WeightSettings& s);
}  // namespace SectionFamily

namespace TableFamily {
// scaledQ: kg/m already scaled to the density; length in the unit system's long unit.
double Weight(double scaledQ, double length, const WeightSettings& s);
}  // namespace TableFamily

namespace AreaFamily {
// scaledQ: kg/m² already scaled to the density; area in mm² or m².
double Weight(double scaledQ, double area, const WeightSettings& s);
}  // namespace AreaFamily

namespace RopeFamily {
// q: kg per 100 m (no density); length always in metres.
double Weight(double q, double lengthM, const WeightSettings& s);
}  // namespace RopeFamily

}  // namespace zelvik
