// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ruin and recreate: a few bars, the emptiest among them, are taken apart and their pieces
// packed again bar by bar with random ties; the result is kept when it is no worse, so that
// the search wanders over plans of equal cost towards fuller and emptier bars.
#include <functional>
#include <random>
#include <stop_token>

#include "cutting/column_generation.h"
#include "cutting/instance.h"

namespace zelvik::cutting::detail {

// Starts from `start` and searches until `done()` says so, the deadline passes or a stop is
// requested; `improved` hears of every plan better than all before it.
void RuinAndRecreate(const Instance& in, const Packing& start, std::mt19937& rng, Clock::time_point deadline,
                     const std::stop_token& stop, const std::function<bool()>& done,
                     const std::function<void(const Packing&)>& improved);

// Moves and swaps single pieces between bars of equal cost so that more of the waste
// gathers in offcuts long enough to keep; nothing else about the plan changes. One pass at
// least, more until nothing gains or the deadline.
void GatherOffcuts(const Instance& in, Packing& packing, Clock::time_point deadline);

}  // namespace zelvik::cutting::detail
