// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact bounded knapsacks over the integer grid: the pricing of new patterns and the best
// fill of one bar.
#include <cstdint>
#include <vector>

namespace zelvik::cutting::detail {

struct KnapItem {
  int type = 0;
  int64_t weight = 0;
  double value = 0;
  int bound = 0;  // at most this many
};

struct KnapResult {
  double value = 0;
  int64_t weight = 0;
  std::vector<int> count;  // per entry of the items given
};

// For each capacity, the most valuable choice within it. One table serves all capacities.
std::vector<KnapResult> MaxValue(const std::vector<KnapItem>& items, const std::vector<int64_t>& capacities);

// The most the items could earn within the capacity if they could be cut in fractions: an
// upper bound on MaxValue, cheap enough to ask before it.
double FractionalBound(const std::vector<KnapItem>& items, int64_t capacity);

// The choice with the greatest total weight within the capacity (values ignored). Items are
// tried in the order given, so that a different order can give a different choice of equal
// weight.
KnapResult BestFill(const std::vector<KnapItem>& items, int64_t capacity);

}  // namespace zelvik::cutting::detail
