// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A packing turned into the plan the saw follows: pieces in cutting order with their
// positions and labels, offcuts, alike bars grouped into patterns, and the totals.
#include <vector>

#include "cutting/cutting_plan.h"
#include "cutting/instance.h"

namespace zelvik::cutting::detail {

CutPlan LayOut(const CutRequest& request, const Instance& in, const std::vector<int>& typeOf, Packing packing);

}  // namespace zelvik::cutting::detail
