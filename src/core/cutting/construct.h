// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plans built bar by bar: first-fit decreasing (the yardstick), and the sequential best fill
// that gives each new bar the largest piece left and the fullest set of others beside it.
#include <optional>
#include <random>
#include <vector>

#include "cutting/instance.h"

namespace zelvik::cutting::detail {

// First-fit decreasing: a new bar of the longest stock length available, each bar then
// moved to the cheapest stock length that holds it. Empty when the stock available runs out.
std::optional<Packing> FirstFitDecreasing(const Instance& in);

// Packs `demand` into new bars, at most `limit` per stock. With `rng`, ties between equally
// full bars are broken at random and the piece that opens a bar may be one of the next
// largest, so that repeated runs explore different plans. Nothing once the deadline passes.
std::optional<Packing> SequentialFill(const Instance& in, const std::vector<int>& demand,
                                      const std::vector<int>& limit, std::mt19937* rng,
                                      Clock::time_point deadline = Clock::time_point::max());

// Moves each bar to the cheapest stock length that still holds it and is available.
void Downsize(const Instance& in, Packing& packing);

// Puts two bars into one bar that costs no more than both, while any pair allows it.
void MergeBars(const Instance& in, Packing& packing);

// The items of a pattern that are still wanted, then the largest wanted items that fit
// beside them. `demand` and `limit` are reduced by what the bar takes.
Bin TakeColumn(const Instance& in, int stock, const std::vector<int>& count, std::vector<int>& demand,
               std::vector<int>& limit);

// Bars still available per stock once `packing` is cut.
std::vector<int> LimitsLeft(const Instance& in, const Packing& packing);

}  // namespace zelvik::cutting::detail
