// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/column_generation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cutting/knapsack.h"

namespace zelvik::cutting::detail {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

MasterProblem::MasterProblem(const Instance& in) : in_(in), demand_(in.demand), limit_(in.limit) {
  for (int i = 0; i < in.types(); ++i) lp_.AddRow(in.demand[i], kInf);
  double maxCost = 0;
  for (int s = 0; s < in.stocks(); ++s) {
    limitRow_.push_back(in.limit[s] == kUnlimited ? -1 : lp_.AddRow(-kInf, in.limit[s]));
    maxCost = std::max(maxCost, in.cost[s]);
  }
  // Artificial columns keep the master feasible until real patterns cover the demand; one
  // left in the optimum means no amount of the stock available covers it.
  const double big = 1e4 * std::max(maxCost, 1.0);
  for (int i = 0; i < in.types(); ++i) artificial_.push_back(lp_.AddColumn(big, {{i, 1.0}}, kInf));
}

int MasterProblem::AddColumn(const Column& column) {
  std::vector<int> key = column.count;
  key.push_back(column.stock);
  auto [it, added] = known_.emplace(std::move(key), static_cast<int>(columns_.size()));
  if (!added) return it->second;
  std::vector<std::pair<int, double>> entries;
  for (int i = 0; i < in_.types(); ++i) {
    if (column.count[i] > 0) entries.emplace_back(i, column.count[i]);
  }
  if (limitRow_[column.stock] >= 0) entries.emplace_back(limitRow_[column.stock], 1.0);
  lpIndex_.push_back(lp_.AddColumn(in_.cost[column.stock], entries, kInf));
  columns_.push_back(column);
  return it->second;
}

void MasterProblem::AddPacking(const Packing& packing) {
  for (const Bin& bin : packing) {
    Column c{bin.stock, std::vector<int>(in_.types(), 0)};
    for (int t : bin.items) ++c.count[t];
    AddColumn(c);
  }
}

void MasterProblem::SetResidual(const std::vector<int>& demand, const std::vector<int>& limit) {
  demand_ = demand;
  limit_ = limit;
  for (int i = 0; i < in_.types(); ++i) lp_.SetRowBounds(i, demand[i], kInf);
  for (int s = 0; s < in_.stocks(); ++s) {
    if (limitRow_[s] >= 0) lp_.SetRowBounds(limitRow_[s], -kInf, limit[s]);
  }
}

MasterProblem::Pricing MasterProblem::Price(const std::vector<KnapItem>& items, const std::vector<int64_t>& caps,
                                            const std::vector<double>& mu, bool allowExact, bool skipCoarse) const {
  Pricing pr;
  pr.upper.assign(in_.stocks(), 0.0);
  const auto pricesOut = [&](int s, double value) {
    return caps[s] > 0 && in_.cost[s] - mu[s] - value < -1e-9 * std::max(1.0, in_.cost[s]);
  };
  const auto anyPrices = [&](const std::vector<double>& values) {
    for (int s = 0; s < in_.stocks(); ++s) {
      if (pricesOut(s, values[s])) return true;
    }
    return false;
  };
  for (int s = 0; s < in_.stocks(); ++s) pr.upper[s] = caps[s] > 0 ? FractionalBound(items, caps[s]) : 0.0;
  if (!anyPrices(pr.upper)) return pr;  // proven: nothing prices out

  // Long bars with many lengths make the exact table slow. On a coarser grid, lengths rounded
  // up give patterns that fit; rounded down they bound what any pattern earns.
  const int64_t cmax = *std::max_element(caps.begin(), caps.end());
  const bool big = cmax > 4000 && static_cast<double>(cmax) * static_cast<double>(items.size()) > 2e6;
  for (const int64_t steps : {int64_t{4000}, int64_t{16000}}) {
    if (!big || cmax <= steps) continue;
    const int64_t q = (cmax + steps - 1) / steps;
    std::vector<int64_t> coarseCaps;
    for (int64_t c : caps) coarseCaps.push_back(c / q);
    if (!skipCoarse) {
      std::vector<KnapItem> up = items;
      for (KnapItem& it : up) it.weight = (it.weight + q - 1) / q;
      pr.patterns = MaxValue(up, coarseCaps);
      for (int s = 0; s < in_.stocks(); ++s) {
        if (pricesOut(s, pr.patterns[s].value)) return pr;
      }
    }
    std::vector<KnapItem> down;
    double free = 0;  // items shorter than a step cost nothing on this grid
    for (const KnapItem& it : items) {
      if (it.weight / q == 0) {
        free += it.value * it.bound;
      } else {
        down.push_back(it);
        down.back().weight = it.weight / q;
      }
    }
    const std::vector<KnapResult> relaxed = MaxValue(down, coarseCaps);
    for (int s = 0; s < in_.stocks(); ++s) pr.upper[s] = std::min(pr.upper[s], relaxed[s].value + free);
    pr.patterns.clear();
    if (!anyPrices(pr.upper)) return pr;
  }
  if (big && !allowExact) {
    pr.undecided = true;
    return pr;
  }
  pr.patterns = MaxValue(items, caps);
  pr.fromExact = true;
  for (int s = 0; s < in_.stocks(); ++s) pr.upper[s] = pr.patterns[s].value;
  return pr;
}

LpResult MasterProblem::Solve(Clock::time_point deadline, const std::stop_token& stop,
                              const std::function<bool(double, double)>& enough, bool exact, int maxRounds) {
  LpResult result;
  std::vector<int64_t> caps(in_.cap.begin(), in_.cap.end());
  bool anyLimit = false;
  for (int s = 0; s < in_.stocks(); ++s) {
    anyLimit = anyLimit || limitRow_[s] >= 0;
    if (limit_[s] <= 0) caps[s] = 0;
  }
  bool skipCoarse = false;
  for (int round = 0;; ++round) {
    const LpStatus status = lp_.Solve();
    if (status != LpStatus::Optimal) {
      result.infeasible = status == LpStatus::Infeasible;
      return result;
    }
    result.value = lp_.Objective();

    std::vector<KnapItem> items;
    double dualDemand = 0;
    for (int i = 0; i < in_.types(); ++i) {
      const double pi = std::max(0.0, lp_.Dual(i));
      dualDemand += pi * demand_[i];
      if (demand_[i] > 0 && pi > 1e-12) items.push_back({i, in_.size[i], pi, demand_[i]});
    }
    std::vector<double> mu(in_.stocks(), 0.0);
    for (int s = 0; s < in_.stocks(); ++s) {
      if (limitRow_[s] >= 0) mu[s] = std::min(0.0, lp_.Dual(limitRow_[s]));
    }
    const Pricing pr = Price(items, caps, mu, exact, skipCoarse);
    skipCoarse = false;
    if (pr.undecided) return result;  // nothing more on the grids a heuristic may use

    double maxRatio = 0;  // the most any pattern earns per unit of cost, for Farley's bound
    bool ratioValid = !anyLimit;
    int added = 0;
    for (int s = 0; s < in_.stocks(); ++s) {
      if (caps[s] == 0) continue;
      if (in_.cost[s] > 0) {
        maxRatio = std::max(maxRatio, pr.upper[s] / in_.cost[s]);
      } else {
        ratioValid = false;
      }
      if (pr.patterns.empty() || in_.cost[s] - mu[s] - pr.patterns[s].value >= -1e-9 * std::max(1.0, in_.cost[s])) {
        continue;
      }
      Column c{s, std::vector<int>(in_.types(), 0)};
      for (size_t k = 0; k < items.size(); ++k) c.count[items[k].type] = pr.patterns[s].count[k];
      const size_t before = columns_.size();
      AddColumn(c);
      added += columns_.size() > before;
    }
    bool artificialUsed = false;
    for (int a : artificial_) artificialUsed = artificialUsed || lp_.Value(a) > 1e-7;
    if (added == 0 && !pr.patterns.empty() && !pr.fromExact) {
      skipCoarse = true;  // the coarse patterns are all known already
      continue;
    }
    if (added == 0) {
      result.converged = result.settled = true;
      result.infeasible = artificialUsed;
      result.bound = result.value;
      return result;
    }
    if (ratioValid && !artificialUsed && maxRatio > 0) {
      result.bound = std::max(result.bound, dualDemand / std::max(1.0, maxRatio));
    }
    if (enough && !artificialUsed && enough(result.bound, result.value)) {
      result.settled = true;
      return result;
    }
    if (round + 1 >= maxRounds || Clock::now() >= deadline || stop.stop_requested()) {
      lp_.Solve();  // the columns just added take part in the solution read next
      return result;
    }
  }
}

std::vector<std::pair<int, double>> MasterProblem::Solution() const {
  std::vector<std::pair<int, double>> x;
  for (size_t j = 0; j < columns_.size(); ++j) {
    const double v = lp_.Value(lpIndex_[j]);
    if (v > 1e-9) x.emplace_back(static_cast<int>(j), v);
  }
  return x;
}

}  // namespace zelvik::cutting::detail
