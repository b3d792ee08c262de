// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "list/spec_resolver.h"

namespace zelvik::testing {

// Four kinds of product, each at a unit weight that scales with the density from 7.85:
//   "L50"   3.77 kg/m, by length          "-10×1000×2000"  157 kg/piece, no length
//   "MESH"  10 kg/m² in 1 m × 2 m sheets  "ROPE"  50 kg/100m, by length, not density-scaled
// "TWIN" names two products unless the 品名 picks one.
class FakeResolver : public SpecResolver {
 public:
  std::variant<ResolvedSpec, SpecProblem> Resolve(std::string_view spec, std::string_view hint,
                                                  double density) const override {
    const double k = density / 7.85;
    ResolvedSpec r;
    if (spec == "L50" || (spec == "TWIN" && hint == "角钢(热轧)")) {
      r = {"hot-angle", "角钢(热轧)", std::string(spec), 3.77 * k, "kg/m", true, {}};
    } else if (spec == "TWIN" && hint == "angle-b") {
      r = {"cold-angle", "角钢(冷弯)", "TWIN", 2 * k, "kg/m", true, {}};
    } else if (spec == "-10×1000×2000") {
      r = {"plate1", "钢板一", "-10×1000×2000", 157 * k, "kg/piece", false, {}};
      r.pieceKg = [w = r.unitWeight](double) { return w; };
      return r;
    } else if (spec == "MESH") {
      r = {"plate-mesh", "花纹板/钢板网", "MESH", 10 * k, "kg/m²", false, {}};
      r.pieceKg = [w = r.unitWeight](double) { return w * 2; };
      return r;
    } else if (spec == "ROPE") {
      r = {"wire-rope", "钢丝绳", "ROPE", 50, "kg/100m", true, {}};
      r.pieceKg = [](double mm) { return 50 * mm / 100000; };
      return r;
    } else if (spec == "TWIN") {
      return SpecProblem{"TWIN 有两种"};
    } else {
      return SpecProblem{"不认识的规格 \"" + std::string(spec) + "\""};
    }
    r.pieceKg = [q = r.unitWeight](double mm) { return q * mm / 1000; };
    return r;
  }
};

}  // namespace zelvik::testing
