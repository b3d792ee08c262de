#include "cutting/improve.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "cutting/construct.h"

namespace zelvik::cutting::detail {
namespace {

// Fuller bars beside emptier ones score higher at equal cost: the way towards a bar less.
double Spread(const Instance& in, const Packing& packing) {
  double sum = 0;
  for (const Bin& b : packing) {
    const double f = static_cast<double>(b.load) / static_cast<double>(in.cap[b.stock]);
    sum += f * f;
  }
  return sum;
}

}  // namespace

void RuinAndRecreate(const Instance& in, Packing& best, std::mt19937& rng, Clock::time_point deadline,
                     const std::stop_token& stop, const std::function<bool(const Packing&)>& done,
                     const std::function<void(const Packing&)>& improved) {
  Packing current = best;
  Score currentScore = Evaluate(in, current);
  double currentSpread = Spread(in, current);
  Score bestScore = currentScore;
  for (long iter = 0;; ++iter) {
    if ((iter & 15) == 0 && (Clock::now() >= deadline || stop.stop_requested())) return;
    if (done(best)) return;
    const size_t n = current.size();
    if (n < 2) return;
    // The emptiest bars (relative to their length) and a few others at random.
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      return current[a].load * in.cap[current[b].stock] < current[b].load * in.cap[current[a].stock];
    });
    const size_t k = std::min<size_t>(n, 2 + rng() % 4);
    std::vector<bool> pick(n, false);
    const size_t worst = std::min<size_t>(k, 1 + rng() % 2);
    for (size_t i = 0; i < worst; ++i) pick[order[rng() % std::min<size_t>(n, 3 + i)]] = true;
    while (static_cast<size_t>(std::count(pick.begin(), pick.end(), true)) < k) pick[rng() % n] = true;

    Packing kept;
    std::vector<int> demand(in.types(), 0);
    for (size_t i = 0; i < n; ++i) {
      if (pick[i]) {
        for (int t : current[i].items) ++demand[t];
      } else {
        kept.push_back(current[i]);
      }
    }
    auto rebuilt = SequentialFill(in, demand, LimitsLeft(in, kept), &rng);
    if (!rebuilt) continue;
    kept.insert(kept.end(), rebuilt->begin(), rebuilt->end());
    Downsize(in, kept);
    const Score score = Evaluate(in, kept);
    const double spread = Spread(in, kept);
    const bool better = score.BetterThan(currentScore);
    const bool sameLevel = score.bars == currentScore.bars &&
                           std::fabs(score.cost - currentScore.cost) <= kCostEps * std::max(1.0, currentScore.cost);
    if (better || (sameLevel && spread >= currentSpread - 1e-12)) {
      current = std::move(kept);
      currentScore = score;
      currentSpread = spread;
      if (currentScore.BetterThan(bestScore)) {
        best = current;
        bestScore = currentScore;
        improved(best);
      }
    }
  }
}

}  // namespace zelvik::cutting::detail
