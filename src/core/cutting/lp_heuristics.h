// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plans read off the linear relaxation: its whole bars kept and the rest packed bar by bar,
// or fixed one pattern at a time with the relaxation solved again for what is left (diving).
#include <functional>
#include <optional>
#include <random>
#include <stop_token>

#include "cutting/column_generation.h"
#include "cutting/instance.h"

namespace zelvik::cutting::detail {

// Nothing once the deadline passes.
std::optional<Packing> RoundDown(const Instance& in, const MasterProblem& master, Clock::time_point deadline);

// With `rng` the pattern to fix is drawn among the larger values, so that repeated dives
// differ. A dive gives up as soon as what it fixed plus the bound on the rest reaches `cutoff`.
std::optional<Packing> Dive(const Instance& in, MasterProblem& master, Clock::time_point deadline,
                            const std::stop_token& stop, const std::function<bool(double, double)>& enough,
                            std::mt19937* rng, double cutoff);

}  // namespace zelvik::cutting::detail
