// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The linear relaxation of the cutting-stock model, min sum cost_j x_j over patterns j with
// sum_j a_ij x_j >= demand_i and, for limited stock, sum of its patterns <= available,
// solved by column generation: new patterns come from an exact knapsack on the duals.
#include <chrono>
#include <functional>
#include <limits>
#include <map>
#include <stop_token>
#include <vector>

#include "cutting/instance.h"
#include "cutting/knapsack.h"
#include "cutting/lp_solver.h"

namespace zelvik::cutting::detail {

struct Column {
  int stock = 0;
  std::vector<int> count;  // per item type
};

struct LpResult {
  bool converged = false;  // no pattern prices out: `value` is the relaxation's optimum
  bool infeasible = false; // the stock available cannot cover the demand even fractionally
  bool settled = false;    // converged, or stopped where the rounded bound could not improve
  double value = 0;        // of the last restricted master
  double bound = 0;        // a valid lower bound on the relaxation (its value when converged)
};

class MasterProblem {
 public:
  explicit MasterProblem(const Instance& in);

  // Returns the column's index; a column already present is not added twice.
  int AddColumn(const Column& column);
  void AddPacking(const Packing& packing);
  // What is still to be cut and the bars still available.
  void SetResidual(const std::vector<int>& demand, const std::vector<int>& limit);

  // Generates columns until none prices out, `enough(bound, value)` says the bound cannot
  // improve in what matters, the deadline passes or a stop is requested.
  // `exact` false: on long bars only the coarse grids price, enough for a heuristic that
  // needs a good relaxation, not a proof; such a result is never `converged`.
  LpResult Solve(Clock::time_point deadline, const std::stop_token& stop,
                 const std::function<bool(double, double)>& enough, bool exact = true,
                 int maxRounds = std::numeric_limits<int>::max());

  // Columns with a positive value in the last solution.
  std::vector<std::pair<int, double>> Solution() const;
  const Column& column(int j) const { return columns_[j]; }

 private:
  // New patterns per stock (empty when none is needed) and what no pattern can earn more than.
  struct Pricing {
    std::vector<KnapResult> patterns;
    std::vector<double> upper;
    bool fromExact = false;  // the patterns are the exact optimum
    bool undecided = false;  // the coarse grids found nothing and could not rule anything out
  };
  Pricing Price(const std::vector<KnapItem>& items, const std::vector<int64_t>& caps, const std::vector<double>& mu,
                bool allowExact, bool skipCoarse) const;

  const Instance& in_;
  LpModel lp_;
  std::vector<int> demand_, limit_;
  std::vector<int> limitRow_;  // per stock, -1 when unlimited
  std::vector<int> artificial_;
  std::vector<Column> columns_;  // columns_[j] is LP column lpIndex_[j]
  std::vector<int> lpIndex_;
  std::map<std::vector<int>, int> known_;
};

}  // namespace zelvik::cutting::detail
