// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A linear programme grown column by column and re-solved from its last basis: the master
// problem of column generation. The solver behind it (GLPK) stays inside lp_glpk.cpp.
#include <memory>
#include <utility>
#include <vector>

namespace zelvik::cutting::detail {

enum class LpStatus { Optimal, Infeasible, Failed };

class LpModel {
 public:
  LpModel();
  ~LpModel();
  LpModel(const LpModel&) = delete;
  LpModel& operator=(const LpModel&) = delete;

  // Minimisation. A row: lower <= sum <= upper (infinity for none).
  int AddRow(double lower, double upper);
  void SetRowBounds(int row, double lower, double upper);
  // x_j >= 0 (upper when finite).
  int AddColumn(double cost, const std::vector<std::pair<int, double>>& entries, double upper);
  void SetColumnUpper(int column, double upper);
  int Columns() const;

  LpStatus Solve();
  double Objective() const;
  double Value(int column) const;
  double Dual(int row) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Frees what the solver keeps per thread once every model of the thread is gone; the
// optimiser holds one for the length of a run so that worker threads leave nothing behind.
class LpThreadScope {
 public:
  LpThreadScope() = default;
  ~LpThreadScope();
  LpThreadScope(const LpThreadScope&) = delete;
  LpThreadScope& operator=(const LpThreadScope&) = delete;
};

}  // namespace zelvik::cutting::detail
