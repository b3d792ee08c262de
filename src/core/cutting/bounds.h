// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lower bounds that need no linear programme, and the rounding of a fractional bound on the
// objective up to the next value some plan could have.
#include "cutting/instance.h"

namespace zelvik::cutting::detail {

// No plan needs fewer bars: the continuous bound and Martello and Toth's L2 on the longest
// capacity (exact for a single stock length, weaker but valid for several).
int BarsBound(const Instance& in);

// No plan costs less: the bars bound times the cheapest bar, and the cheapest cost per unit
// of capacity times the total size.
double TrivialCostBound(const Instance& in);

// The least total sum_s n_s cost_s >= value with n_s within the limits, when the costs lie on
// a grid fine enough to enumerate; otherwise `value` itself.
double RoundUpCost(const Instance& in, double value);

}  // namespace zelvik::cutting::detail
