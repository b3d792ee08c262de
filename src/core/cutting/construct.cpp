// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/construct.h"

#include <algorithm>
#include <numeric>

#include "cutting/knapsack.h"

namespace zelvik::cutting::detail {

std::vector<int> LimitsLeft(const Instance& in, const Packing& packing) {
  std::vector<int> left = in.limit;
  for (const Bin& b : packing) {
    if (left[b.stock] != kUnlimited) --left[b.stock];
  }
  return left;
}

void Downsize(const Instance& in, Packing& packing) {
  std::vector<int> left = LimitsLeft(in, packing);
  std::vector<size_t> order(packing.size());
  std::iota(order.begin(), order.end(), 0);
  // The emptiest bars first: they gain most from a shorter stock length.
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return packing[a].load < packing[b].load; });
  for (size_t k : order) {
    Bin& bin = packing[k];
    int best = bin.stock;
    for (int s = 0; s < in.stocks(); ++s) {
      if (s == best || in.cap[s] < bin.load || left[s] == 0) continue;
      if (in.cost[s] < in.cost[best] - kCostEps * std::max(1.0, in.cost[best]) ||
          (in.cost[s] <= in.cost[best] + kCostEps * std::max(1.0, in.cost[best]) && in.cap[s] < in.cap[best])) {
        best = s;
      }
    }
    if (best != bin.stock) {
      if (left[bin.stock] != kUnlimited) ++left[bin.stock];
      if (left[best] != kUnlimited) --left[best];
      bin.stock = best;
    }
  }
}

void MergeBars(const Instance& in, Packing& packing) {
  std::vector<int> left = LimitsLeft(in, packing);
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < packing.size() && !merged; ++i) {
      for (size_t j = i + 1; j < packing.size() && !merged; ++j) {
        const int64_t load = packing[i].load + packing[j].load;
        const double both = in.cost[packing[i].stock] + in.cost[packing[j].stock];
        int best = -1;
        for (int s = 0; s < in.stocks(); ++s) {
          const int freed = (packing[i].stock == s) + (packing[j].stock == s);
          if (in.cap[s] < load || (left[s] != kUnlimited && left[s] + freed < 1)) continue;
          if (in.cost[s] > both + kCostEps * std::max(1.0, both)) continue;
          if (best < 0 || in.cost[s] < in.cost[best]) best = s;
        }
        if (best < 0) continue;
        for (size_t k : {i, j}) {
          if (left[packing[k].stock] != kUnlimited) ++left[packing[k].stock];
        }
        if (left[best] != kUnlimited) --left[best];
        packing[i].stock = best;
        packing[i].load = load;
        packing[i].items.insert(packing[i].items.end(), packing[j].items.begin(), packing[j].items.end());
        packing.erase(packing.begin() + static_cast<std::ptrdiff_t>(j));
        merged = true;
      }
    }
  }
}

std::optional<Packing> FirstFitDecreasing(const Instance& in) {
  std::vector<int> left = in.limit;
  Packing packing;
  for (int t = 0; t < in.types(); ++t) {  // types are largest first
    size_t from = 0;  // bars before the last one a piece of this length went to have no room for another
    for (int q = 0; q < in.demand[t]; ++q) {
      const int64_t w = in.size[t];
      Bin* home = nullptr;
      for (size_t k = from; k < packing.size(); ++k) {
        if (packing[k].load + w <= in.cap[packing[k].stock]) {
          home = &packing[k];
          from = k;
          break;
        }
      }
      if (!home) {
        int best = -1;
        for (int s = 0; s < in.stocks(); ++s) {
          if (left[s] > 0 && in.cap[s] >= w && (best < 0 || in.cap[s] > in.cap[best])) best = s;
        }
        if (best < 0) return std::nullopt;
        if (left[best] != kUnlimited) --left[best];
        packing.push_back({best, 0, {}});
        home = &packing.back();
        from = packing.size() - 1;
      }
      home->load += w;
      home->items.push_back(t);
    }
  }
  Downsize(in, packing);
  return packing;
}

Bin TakeColumn(const Instance& in, int stock, const std::vector<int>& count, std::vector<int>& demand,
               std::vector<int>& limit) {
  Bin bin{stock, 0, {}};
  for (int t = 0; t < in.types(); ++t) {
    const int n = std::min(count[t], demand[t]);
    for (int k = 0; k < n; ++k) bin.items.push_back(t);
    bin.load += n * in.size[t];
    demand[t] -= n;
  }
  for (int t = 0; t < in.types(); ++t) {
    while (demand[t] > 0 && bin.load + in.size[t] <= in.cap[stock]) {
      bin.items.push_back(t);
      bin.load += in.size[t];
      --demand[t];
    }
  }
  if (!bin.items.empty() && limit[stock] != kUnlimited) --limit[stock];
  return bin;
}

std::optional<Packing> SequentialFill(const Instance& in, const std::vector<int>& demandIn,
                                      const std::vector<int>& limitIn, std::mt19937* rng, Clock::time_point deadline) {
  std::vector<int> demand = demandIn, limit = limitIn;
  Packing packing;
  std::vector<int> order(in.types());
  std::iota(order.begin(), order.end(), 0);
  for (;;) {
    if (Clock::now() >= deadline) return std::nullopt;
    int first = -1;
    for (int t = 0; t < in.types() && first < 0; ++t) {
      if (demand[t] > 0) first = t;
    }
    if (first < 0) break;
    if (rng && (*rng)() % 4 == 0) {
      // Now and then open the bar with one of the next few lengths instead.
      std::vector<int> cand;
      for (int t = first; t < in.types() && cand.size() < 3; ++t) {
        if (demand[t] > 0) cand.push_back(t);
      }
      first = cand[(*rng)() % cand.size()];
    }
    if (rng) std::shuffle(order.begin(), order.end(), *rng);
    Bin best;
    double bestRatio = -1;
    // Now and then a stock length drawn at random: the fullest bar now is not always the
    // best start for the bars after it.
    int only = -1;
    if (rng && in.stocks() > 1 && (*rng)() % 4 == 0) {
      std::vector<int> fit;
      for (int s = 0; s < in.stocks(); ++s) {
        if (limit[s] > 0 && in.cap[s] >= in.size[first]) fit.push_back(s);
      }
      if (!fit.empty()) only = fit[(*rng)() % fit.size()];
    }
    for (int s = 0; s < in.stocks(); ++s) {
      if (limit[s] <= 0 || in.cap[s] < in.size[first] || (only >= 0 && s != only)) continue;
      std::vector<KnapItem> items;
      for (int t : order) {
        const int d = demand[t] - (t == first ? 1 : 0);
        if (d > 0) items.push_back({t, in.size[t], 0.0, d});
      }
      const KnapResult fill = BestFill(items, in.cap[s] - in.size[first]);
      const int64_t load = in.size[first] + fill.weight;
      const double ratio = in.cost[s] > 0 ? static_cast<double>(load) / in.cost[s] : 1e300;
      if (ratio > bestRatio * (1 + 1e-12) || (ratio >= bestRatio * (1 - 1e-12) && load > best.load)) {
        bestRatio = ratio;
        best = Bin{s, load, {first}};
        for (size_t k = 0; k < items.size(); ++k) {
          for (int c = 0; c < fill.count[k]; ++c) best.items.push_back(items[k].type);
        }
      }
    }
    if (bestRatio < 0) return std::nullopt;
    for (int t : best.items) --demand[t];
    if (limit[best.stock] != kUnlimited) --limit[best.stock];
    packing.push_back(std::move(best));
  }
  return packing;
}

}  // namespace zelvik::cutting::detail
