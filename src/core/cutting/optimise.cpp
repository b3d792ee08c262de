// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "cutting/bounds.h"
#include "cutting/column_generation.h"
#include "cutting/construct.h"
#include "cutting/cutting_plan.h"
#include "cutting/improve.h"
#include "cutting/layout.h"
#include "cutting/lp_heuristics.h"
#include "cutting/lp_solver.h"

namespace zelvik::cutting {
namespace {

using detail::Clock;
using detail::Instance;
using detail::Packing;

// One run: the best plan so far, the best bound so far, and the clock.
struct Search {
  Search(const Instance& instance, const CutOptions& opts)
      : in(instance), options(opts), start(Clock::now()), deadline(start + opts.timeLimit) {}

  // Keeps the packing when it is valid and better than the best so far.
  void Offer(const std::optional<Packing>& packing) {
    if (!packing || !detail::IsValid(in, *packing)) return;
    const detail::Score score = detail::Evaluate(in, *packing);
    if (!best || score.BetterThan(bestScore)) {
      best = *packing;
      bestScore = score;
      Report();
    }
  }

  void RaiseBound(double cost) { bound = std::max(bound, detail::RoundUpCost(in, cost)); }

  bool Met() const { return best && bestScore.cost <= bound + detail::kCostEps * std::max(1.0, bound); }
  bool OutOfTime() const { return Clock::now() >= deadline || options.stop.stop_requested(); }

  void Stage(CutStage next) {
    stage = next;
    Report();
  }

  void Report() const {
    if (!options.progress) return;
    CutProgress p;
    p.stage = stage;
    p.elapsedSeconds = Elapsed();
    const double limit = std::chrono::duration<double>(options.timeLimit).count();
    p.fraction = stage == CutStage::Done ? 1.0 : std::clamp(limit > 0 ? p.elapsedSeconds / limit : 1.0, 0.0, 1.0);
    p.bestBars = best ? bestScore.bars : 0;
    p.bestCost = best ? bestScore.cost : 0;
    p.boundCost = bound;
    options.progress(p);
  }

  double Elapsed() const { return std::chrono::duration<double>(Clock::now() - start).count(); }

  const Instance& in;
  const CutOptions& options;
  Clock::time_point start, deadline;
  CutStage stage = CutStage::Start;
  std::optional<Packing> best;
  detail::Score bestScore;
  double bound = 0;
};

// Patterns of one item type each, so that the first master is never short of columns.
void AddSingleTypeColumns(const Instance& in, detail::MasterProblem& master) {
  for (int t = 0; t < in.types(); ++t) {
    int best = -1;
    double bestPerPiece = 0;
    for (int s = 0; s < in.stocks(); ++s) {
      if (in.cap[s] < in.size[t] || in.limit[s] == 0) continue;
      const int64_t n = std::min<int64_t>(in.demand[t], in.cap[s] / in.size[t]);
      const double perPiece = in.cost[s] / static_cast<double>(n);
      if (best < 0 || perPiece < bestPerPiece) {
        best = s;
        bestPerPiece = perPiece;
      }
    }
    if (best < 0) continue;
    detail::Column c{best, std::vector<int>(in.types(), 0)};
    c.count[t] = static_cast<int>(std::min<int64_t>(in.demand[t], in.cap[best] / in.size[t]));
    master.AddColumn(c);
  }
}

// A bound on the stock length bought when the objective is money.
double StockBound(const Instance& in, const CutRequest& request) {
  Instance byLength = in;
  for (int s = 0; s < in.stocks(); ++s) byLength.cost[s] = request.stocks[s].length;
  return detail::RoundUpCost(byLength, detail::TrivialCostBound(byLength));
}

}  // namespace

CutPlan Optimise(const CutRequest& request, const CutOptions& options) {
  std::vector<int> typeOf;
  const Instance in = detail::BuildInstance(request, &typeOf);
  detail::LpThreadScope lpScope;  // outlives the master problem below
  Search search(in, options);
  search.RaiseBound(detail::TrivialCostBound(in));

  search.Stage(CutStage::FirstFit);
  search.Offer(detail::FirstFitDecreasing(in));
  std::optional<Packing> filled;
  if (!search.Met()) {
    filled = detail::SequentialFill(in, in.demand, in.limit, nullptr, search.deadline);
    search.Offer(filled);
  }

  bool fromLp = false;
  std::mt19937 rng(12345);
  std::optional<detail::MasterProblem> master;
  const auto enough = [&](double bound, double value) {
    const double lb = detail::RoundUpCost(in, bound);
    return lb >= detail::RoundUpCost(in, value) - detail::kCostEps * std::max(1.0, lb) ||
           (search.best && lb >= search.bestScore.cost - detail::kCostEps * std::max(1.0, lb));
  };
  const auto cutoff = [&] { return search.best ? search.bestScore.cost : std::numeric_limits<double>::infinity(); };
  if (!search.Met() && !search.OutOfTime()) {
    search.Stage(CutStage::Bound);
    master.emplace(in);
    if (search.best) master->AddPacking(*search.best);
    if (filled) master->AddPacking(*filled);
    AddSingleTypeColumns(in, *master);
    // The relaxation may take most of the time on long bars with many lengths: a plan read off
    // the unfinished relaxation comes first, the proof after it.
    const auto share = search.start + options.timeLimit * 3 / 5;
    detail::LpResult lp = master->Solve(share, options.stop, enough);
    const auto settle = [&](const detail::LpResult& r) {
      if (r.converged && r.infeasible) {
        throw CutError(CutErrorKind::NotEnoughStock, "the stock available is not enough for the pieces");
      }
      search.RaiseBound(r.bound);
      fromLp = r.settled;
    };
    settle(lp);
    if (!search.Met() && !options.stop.stop_requested()) {
      search.Stage(CutStage::Rounding);
      search.Offer(detail::RoundDown(in, *master, search.deadline));
    }
    if (!search.Met() && !search.OutOfTime()) {
      search.Stage(CutStage::Diving);
      search.Offer(detail::Dive(in, *master, search.deadline, options.stop, enough, nullptr, cutoff()));
    }
    if (!fromLp && !search.Met() && !search.OutOfTime()) {
      search.Stage(CutStage::Bound);
      settle(master->Solve(search.deadline, options.stop, enough));
    }
  }
  // Short spells of ruin and recreate between dives that draw their patterns at random.
  while (search.best && !search.Met() && !search.OutOfTime()) {
    search.Stage(CutStage::Improving);
    const auto spell = std::min(search.deadline, Clock::now() + std::chrono::milliseconds(40));
    detail::RuinAndRecreate(
        in, *search.best, rng, spell, options.stop, [&] { return search.Met(); },
        [&](const Packing& p) { search.Offer(p); });
    if (master && !search.Met() && !search.OutOfTime()) {
      search.Stage(CutStage::Diving);
      search.Offer(detail::Dive(in, *master, search.deadline, options.stop, enough, &rng, cutoff()));
    }
  }
  // The least stock found, a little more time for fewer bars of it.
  int barsBound = detail::BarsBound(in);
  if (in.stocks() == 1 && in.cost[0] > 0) {
    barsBound = std::max(barsBound, static_cast<int>(std::llround(search.bound / in.cost[0])));
  }
  if (search.best && search.Met() && search.bestScore.bars > barsBound && !search.OutOfTime()) {
    Packing merged = *search.best;
    detail::MergeBars(in, merged);
    search.Offer(merged);
    const auto spell = std::min(search.deadline, Clock::now() + options.timeLimit / 10);
    detail::RuinAndRecreate(
        in, *search.best, rng, spell, options.stop, [&] { return search.bestScore.bars <= barsBound; },
        [&](const Packing& p) { search.Offer(p); });
  }
  if (!search.best) {
    if (search.OutOfTime()) {
      throw CutError(CutErrorKind::NoPlanFound, "no plan within the stock available was found in the time given");
    }
    throw CutError(CutErrorKind::NoPlanFound, "no plan within the stock available was found");
  }

  Packing gathered = *search.best;
  detail::GatherOffcuts(in, gathered, search.deadline);
  search.Offer(gathered);
  CutPlan plan = detail::LayOut(request, in, typeOf, *search.best);
  plan.optimal = search.Met();
  plan.stopped = !plan.optimal && search.OutOfTime();
  CutBound& bound = plan.bound;
  bound.fromLp = fromLp;
  bound.bars = barsBound;
  if (in.priced) {
    bound.cost = search.bound;
    bound.stockMm = StockBound(in, request);
  } else {
    bound.stockMm = search.bound;
  }
  // A bound from a single stock length says as much in bars as in length.
  if (in.stocks() == 1) bound.stockMm = std::max(bound.stockMm, bound.bars * request.stocks[0].length);
  search.Stage(CutStage::Done);
  plan.seconds = search.Elapsed();
  return plan;
}

}  // namespace zelvik::cutting
