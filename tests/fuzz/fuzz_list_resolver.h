// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "list/spec_resolver.h"

// Specs starting with "L" are weighed by length, with "-" by piece; anything else is unknown.
class FuzzResolver : public zelvik::SpecResolver {
 public:
  std::variant<zelvik::ResolvedSpec, zelvik::SpecProblem> Resolve(std::string_view spec, std::string_view,
                                                                  double density) const override {
    zelvik::ResolvedSpec r;
    r.calc = "fuzz";
    r.product = "品";
    r.spec = std::string(spec);
    r.unitWeight = density;
    if (spec.starts_with("L")) {
      r.unit = "kg/m";
      r.pieceKg = [density](double mm) { return density * mm / 1000; };
      return r;
    }
    if (spec.starts_with("-")) {
      r.unit = "kg/piece";
      r.takesLength = false;
      r.pieceKg = [density](double) { return density; };
      return r;
    }
    return zelvik::SpecProblem{"unknown"};
  }
};
