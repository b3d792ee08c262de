// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "cutting/bounds.h"
#include "cutting/knapsack.h"

namespace zelvik::cutting::detail {
namespace {

// The best value and the fullest weight within `cap` by trying every count of every item.
std::pair<double, int64_t> Enumerate(const std::vector<KnapItem>& items, int64_t cap) {
  double best = 0;
  int64_t fullest = 0;
  std::vector<int> count(items.size(), 0);
  for (;;) {
    int64_t w = 0;
    double v = 0;
    for (size_t i = 0; i < items.size(); ++i) {
      w += count[i] * items[i].weight;
      v += count[i] * items[i].value;
    }
    if (w <= cap) {
      best = std::max(best, v);
      fullest = std::max(fullest, w);
    }
    size_t i = 0;
    while (i < items.size() && ++count[i] > items[i].bound) count[i++] = 0;
    if (i == items.size()) return {best, fullest};
  }
}

TEST(CuttingKnapsack, MatchesEnumeration) {
  std::mt19937 rng(3);
  for (int n = 0; n < 300; ++n) {
    std::vector<KnapItem> items;
    for (int i = 0, k = 1 + static_cast<int>(rng() % 5); i < k; ++i) {
      items.push_back({i, 1 + static_cast<int64_t>(rng() % 30), (rng() % 1000) / 10.0, static_cast<int>(rng() % 4)});
    }
    const int64_t cap = static_cast<int64_t>(rng() % 80);
    const auto [value, fullest] = Enumerate(items, cap);
    // Scaled up, the same items go to the search that replaces the table on long bars.
    std::vector<KnapItem> scaled = items;
    for (KnapItem& it : scaled) it.weight *= 100000;
    const std::vector<KnapResult> r = MaxValue(items, {cap, cap / 2});
    EXPECT_NEAR(r[0].value, value, 1e-9) << n;
    EXPECT_NEAR(MaxValue(scaled, {cap * 100000})[0].value, value, 1e-9) << n;
    EXPECT_GE(FractionalBound(items, cap), value - 1e-9) << n;
    const KnapResult fill = BestFill(items, cap);
    EXPECT_EQ(fill.weight, fullest) << n;
    for (const KnapResult& res : {r[0], r[1], fill}) {
      int64_t w = 0;
      double v = 0;
      for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_LE(res.count[i], items[i].bound) << n;
        w += res.count[i] * items[i].weight;
        v += res.count[i] * items[i].value;
      }
      EXPECT_EQ(w, res.weight) << n;
      EXPECT_NEAR(v, res.value, 1e-9) << n;
    }
    EXPECT_LE(r[1].weight, cap / 2) << n;
  }
}

Instance Bins(int64_t cap, std::vector<std::pair<int64_t, int>> items, std::vector<double> costs = {}) {
  Instance in;
  for (const auto& [w, d] : items) {
    in.size.push_back(w);
    in.demand.push_back(d);
  }
  in.cap.push_back(cap);
  in.cost = costs.empty() ? std::vector<double>{static_cast<double>(cap)} : costs;
  in.limit.assign(in.cost.size(), kUnlimited);
  in.cap.resize(in.cost.size(), cap);
  return in;
}

TEST(CuttingBounds, BarsAndRounding) {
  // Four items over half a bar need four bars, though their length fills three.
  EXPECT_EQ(BarsBound(Bins(100, {{51, 4}})), 4);
  EXPECT_EQ(BarsBound(Bins(100, {{60, 3}, {45, 3}})), 5);  // no 45 beside a 60
  EXPECT_EQ(BarsBound(Bins(100, {{40, 5}})), 2);            // blind to the third bar
  EXPECT_EQ(BarsBound(Bins(100, {{10, 25}})), 3);
  // Totals that bars of 6000 and 9000 can make: 12000, 15000, 18000 …
  Instance two = Bins(9000, {{100, 1}}, {6000, 9000});
  EXPECT_DOUBLE_EQ(RoundUpCost(two, 14500), 15000);
  EXPECT_DOUBLE_EQ(RoundUpCost(two, 6001), 9000);
  two.limit = {1, 1};
  EXPECT_DOUBLE_EQ(RoundUpCost(two, 10000), 15000);
  // Prices on cents.
  EXPECT_DOUBLE_EQ(RoundUpCost(Bins(100, {{1, 1}}, {0.35}), 1.0), 1.05);
}

}  // namespace
}  // namespace zelvik::cutting::detail
