// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/families.h"

namespace zelvik {

double ScaleToDensity(double q, double density) { return q * density / kTableDensity; }

namespace PlateFamily {
double Weight(double longProduct, double thickness, const WeightSettings& s) {
  double k = 0;
  switch (s.unitSystem) {
    case kUnitKgMm: k = 1e-6; break;
    case kUnitKgM: k = 1; break;
    case kUnitTM: k = 0.001; break;
    default: return 0;
  }
  return longProduct * thickness * s.density * k;
}
}  // namespace PlateFamily

namespace SectionFamily {
double Weight(double sectionArea, double length, const WeightSettings& s) {
  double m = 0;
  switch (s.unitSystem) {
    case kUnitKgMm: m = 1; break;
    case kUnitKgM: m = 1000; break;
    case kUnitTM: m = 1; break;
    default: return 0;
  }
  return sectionArea * length * s.density * 1e-6 * m;
}
}  // namespace SectionFamily

namespace TableFamily {
double Weight(double scaledQ, double length, const WeightSettings& s) {
  switch (s.unitSystem) {
    case kUnitKgMm: return scaledQ * length * 0.001;
    case kUnitKgM: return scaledQ * length;
    case kUnitTM: return scaledQ * length * 0.001;
    default: return 0;
  }
}
}  // namespace TableFamily

namespace AreaFamily {
double Weight(double scaledQ, double area, const WeightSettings& s) {
  switch (s.unitSystem) {
    case kUnitKgMm: return scaledQ * area * 0.000001;
    case kUnitKgM: return scaledQ * area;
    case kUnitTM: return scaledQ * area * 0.001;
    default: return 0;
  }
}
}  // namespace AreaFamily

namespace RopeFamily {
double Weight(double q, double lengthM, const WeightSettings& s) {
  switch (s.unitSystem) {
    case kUnitKgMm:
    case kUnitKgM: return q * lengthM * 0.01;
    case kUnitTM: return q * lengthM * 0.00001;
    default: return 0;
  }
}
}  // namespace RopeFamily

}  // namespace zelvik
