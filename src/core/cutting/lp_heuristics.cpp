// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/lp_heuristics.h"

#include <algorithm>
#include <cmath>

#include "cutting/bounds.h"
#include "cutting/construct.h"

namespace zelvik::cutting::detail {
namespace {

bool Done(const std::vector<int>& demand) {
  return std::all_of(demand.begin(), demand.end(), [](int d) { return d == 0; });
}

// Appends `copies` bars of column j while they still take something.
void Take(const Instance& in, const Column& c, int copies, std::vector<int>& demand, std::vector<int>& limit,
          Packing& packing) {
  for (int k = 0; k < copies && limit[c.stock] > 0; ++k) {
    Bin bin = TakeColumn(in, c.stock, c.count, demand, limit);
    if (bin.items.empty()) break;
    packing.push_back(std::move(bin));
  }
}

std::optional<Packing> Finish(const Instance& in, Packing packing, const std::vector<int>& demand,
                              const std::vector<int>& limit, Clock::time_point deadline) {
  auto rest = SequentialFill(in, demand, limit, nullptr, deadline);
  if (!rest) return std::nullopt;
  packing.insert(packing.end(), rest->begin(), rest->end());
  Downsize(in, packing);
  return packing;
}

}  // namespace

std::optional<Packing> RoundDown(const Instance& in, const MasterProblem& master, Clock::time_point deadline) {
  std::vector<int> demand = in.demand, limit = in.limit;
  Packing packing;
  auto x = master.Solution();
  std::sort(x.begin(), x.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [j, v] : x) Take(in, master.column(j), static_cast<int>(std::floor(v + 1e-9)), demand, limit, packing);
  return Finish(in, std::move(packing), demand, limit, deadline);
}

std::optional<Packing> Dive(const Instance& in, MasterProblem& master, Clock::time_point deadline,
                            const std::stop_token& stop, const std::function<bool(double, double)>& enough,
                            std::mt19937* rng, double cutoff) {
  std::vector<int> demand = in.demand, limit = in.limit;
  Packing packing;
  double fixedCost = 0;
  auto take = [&](const Column& c, int copies) {
    const size_t before = packing.size();
    Take(in, c, copies, demand, limit, packing);
    for (size_t k = before; k < packing.size(); ++k) fixedCost += in.cost[packing[k].stock];
  };
  std::optional<Packing> result;
  while (!Done(demand)) {
    if (Clock::now() >= deadline || stop.stop_requested()) {
      result = Finish(in, std::move(packing), demand, limit, deadline);
      break;
    }
    master.SetResidual(demand, limit);
    // A dive needs a good relaxation of what is left, not its optimum.
    const LpResult lp = master.Solve(deadline, stop, enough, false, 12);
    if (lp.infeasible) break;
    if (fixedCost + RoundUpCost(in, lp.bound) >= cutoff - kCostEps * std::max(1.0, cutoff)) break;
    auto x = master.Solution();
    if (x.empty()) {
      result = Finish(in, std::move(packing), demand, limit, deadline);
      break;
    }
    std::sort(x.begin(), x.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    const size_t before = packing.size();
    if (rng) {
      // One pattern, drawn with weight its value among those not far below the largest.
      double total = 0;
      size_t n = 0;
      while (n < x.size() && x[n].second >= 0.3 * x.front().second) total += x[n++].second;
      double pick = std::uniform_real_distribution<double>(0, total)(*rng);
      size_t k = 0;
      while (k + 1 < n && pick > x[k].second) pick -= x[k++].second;
      take(master.column(x[k].first), 1);
    } else {
      for (const auto& [j, v] : x) take(master.column(j), static_cast<int>(std::floor(v + 1e-6)));
      // Nothing whole: round up the patterns near a whole bar, or else the nearest one.
      if (packing.size() == before) {
        for (const auto& [j, v] : x) {
          if (v >= 0.5) take(master.column(j), 1);
        }
      }
      if (packing.size() == before) take(master.column(x.front().first), 1);
    }
    if (packing.size() == before) {
      result = Finish(in, std::move(packing), demand, limit, deadline);
      break;
    }
  }
  if (!result && Done(demand)) {
    Downsize(in, packing);
    result = std::move(packing);
  }
  master.SetResidual(in.demand, in.limit);
  return result;
}

}  // namespace zelvik::cutting::detail
