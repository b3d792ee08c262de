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

LpResult MasterProblem::Solve(Clock::time_point deadline, const std::stop_token& stop,
                              const std::function<bool(double, double)>& enough, bool exact, int maxRounds) {
  LpResult result;
  std::vector<int64_t> caps(in_.cap.begin(), in_.cap.end());
  bool anyLimit = false;
  for (int s = 0; s < in_.stocks(); ++s) {
    anyLimit = anyLimit || limitRow_[s] >= 0;
    if (limit_[s] <= 0) caps[s] = 0;
  }
  bool forceExact = false;
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
    // On long bars first a coarser grid, lengths rounded up: its patterns fit, and only when
    // it finds none worth adding is the exact table needed for the proof.
    bool coarse = false;
    std::vector<KnapResult> best;
    const int64_t cmax = *std::max_element(caps.begin(), caps.end());
    for (const int64_t steps : {int64_t{4000}, int64_t{16000}}) {
      if (forceExact || coarse || static_cast<double>(cmax) * static_cast<double>(items.size()) <= 2e6 ||
          cmax <= steps) {
        continue;
      }
      const int64_t q = (cmax + steps - 1) / steps;
      std::vector<KnapItem> rounded = items;
      for (KnapItem& it : rounded) it.weight = (it.weight + q - 1) / q;
      std::vector<int64_t> coarseCaps;
      for (int64_t c : caps) coarseCaps.push_back(c / q);
      best = MaxValue(rounded, coarseCaps);
      for (int s = 0; s < in_.stocks() && !coarse; ++s) {
        const double mu = limitRow_[s] >= 0 ? std::min(0.0, lp_.Dual(limitRow_[s])) : 0.0;
        if (caps[s] > 0 && in_.cost[s] - mu - best[s].value < -1e-9 * std::max(1.0, in_.cost[s])) coarse = true;
      }
    }
    // What no pattern can exceed; when even that prices nothing out, the table is not needed.
    std::vector<double> upper(in_.stocks(), 0.0);
    bool mayPrice = false;
    for (int s = 0; s < in_.stocks(); ++s) {
      if (caps[s] == 0) continue;
      upper[s] = FractionalBound(items, caps[s]);
      const double mu = limitRow_[s] >= 0 ? std::min(0.0, lp_.Dual(limitRow_[s])) : 0.0;
      mayPrice = mayPrice || in_.cost[s] - mu - upper[s] < -1e-9 * std::max(1.0, in_.cost[s]);
    }
    const bool coarseOnly = !exact && cmax > 4000 && static_cast<double>(cmax) * static_cast<double>(items.size()) > 2e6;
    if (!coarse && coarseOnly) return result;  // nothing more on the grids a heuristic may use
    if (!coarse) {
      if (mayPrice) {
        best = MaxValue(items, caps);
      } else {
        best.assign(in_.stocks(), KnapResult{});
        for (int s = 0; s < in_.stocks(); ++s) best[s].value = upper[s];
      }
    }
    forceExact = false;
    double minReduced = 0;
    double maxRatio = 0;  // the most any pattern earns per unit of cost, for Farley's bound
    bool ratioValid = !anyLimit;
    int added = 0;
    for (int s = 0; s < in_.stocks(); ++s) {
      if (caps[s] == 0) continue;
      const double mu = limitRow_[s] >= 0 ? std::min(0.0, lp_.Dual(limitRow_[s])) : 0.0;
      const double reduced = in_.cost[s] - mu - best[s].value;
      if (in_.cost[s] > 0) {
        maxRatio = std::max(maxRatio, (coarse ? upper[s] : best[s].value) / in_.cost[s]);
      } else {
        ratioValid = false;
      }
      if (reduced < -1e-9 * std::max(1.0, in_.cost[s])) {
        Column c{s, std::vector<int>(in_.types(), 0)};
        for (size_t k = 0; k < items.size(); ++k) c.count[items[k].type] = best[s].count[k];
        const size_t before = columns_.size();
        AddColumn(c);
        added += columns_.size() > before;
        minReduced = std::min(minReduced, reduced);
      }
    }
    bool artificialUsed = false;
    for (int a : artificial_) artificialUsed = artificialUsed || lp_.Value(a) > 1e-7;
    if (added == 0 && coarse) {
      forceExact = true;  // the coarse patterns are all known already
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
