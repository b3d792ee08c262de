// SPDX-License-Identifier: GPL-3.0-or-later
#include <glpk.h>

#include <cmath>

#include "cutting/lp_solver.h"

namespace zelvik::cutting::detail {
namespace {

int BoundType(double lower, double upper) {
  const bool lo = std::isfinite(lower), up = std::isfinite(upper);
  if (lo && up) return lower == upper ? GLP_FX : GLP_DB;
  if (lo) return GLP_LO;
  if (up) return GLP_UP;
  return GLP_FR;
}

double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

struct LpModel::Impl {
  glp_prob* lp = glp_create_prob();
  ~Impl() { glp_delete_prob(lp); }
};

LpModel::LpModel() : impl_(std::make_unique<Impl>()) { glp_set_obj_dir(impl_->lp, GLP_MIN); }

LpModel::~LpModel() = default;

int LpModel::AddRow(double lower, double upper) {
  const int row = glp_add_rows(impl_->lp, 1);
  glp_set_row_bnds(impl_->lp, row, BoundType(lower, upper), Finite(lower), Finite(upper));
  return row - 1;
}

void LpModel::SetRowBounds(int row, double lower, double upper) {
  glp_set_row_bnds(impl_->lp, row + 1, BoundType(lower, upper), Finite(lower), Finite(upper));
}

int LpModel::AddColumn(double cost, const std::vector<std::pair<int, double>>& entries, double upper) {
  const int col = glp_add_cols(impl_->lp, 1);
  glp_set_obj_coef(impl_->lp, col, cost);
  glp_set_col_bnds(impl_->lp, col, std::isfinite(upper) ? GLP_DB : GLP_LO, 0.0, Finite(upper));
  std::vector<int> index(1, 0);
  std::vector<double> value(1, 0.0);
  for (const auto& [row, v] : entries) {
    index.push_back(row + 1);
    value.push_back(v);
  }
  glp_set_mat_col(impl_->lp, col, static_cast<int>(entries.size()), index.data(), value.data());
  return col - 1;
}

void LpModel::SetColumnUpper(int column, double upper) {
  glp_set_col_bnds(impl_->lp, column + 1, std::isfinite(upper) ? (upper == 0 ? GLP_FX : GLP_DB) : GLP_LO, 0.0,
                   Finite(upper));
}

int LpModel::Columns() const { return glp_get_num_cols(impl_->lp); }

LpStatus LpModel::Solve() {
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.meth = GLP_PRIMAL;
  int rc = glp_simplex(impl_->lp, &parm);
  if (rc == GLP_EBADB || rc == GLP_ESING || rc == GLP_ECOND) {
    // A basis gone bad after many new columns: start again from a standard one.
    glp_std_basis(impl_->lp);
    rc = glp_simplex(impl_->lp, &parm);
  }
  if (rc != 0) return LpStatus::Failed;
  switch (glp_get_status(impl_->lp)) {
    case GLP_OPT:
      return LpStatus::Optimal;
    case GLP_NOFEAS:
      return LpStatus::Infeasible;
    default:
      return LpStatus::Failed;
  }
}

double LpModel::Objective() const { return glp_get_obj_val(impl_->lp); }
double LpModel::Value(int column) const { return glp_get_col_prim(impl_->lp, column + 1); }
double LpModel::Dual(int row) const { return glp_get_row_dual(impl_->lp, row + 1); }

LpThreadScope::~LpThreadScope() { glp_free_env(); }

}  // namespace zelvik::cutting::detail
