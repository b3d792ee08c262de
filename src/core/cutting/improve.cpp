// SPDX-License-Identifier: GPL-3.0-or-later
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

void RuinAndRecreate(const Instance& in, const Packing& start, std::mt19937& rng, Clock::time_point deadline,
                     const std::stop_token& stop, const std::function<bool()>& done,
                     const std::function<void(const Packing&)>& improved) {
  Packing current = start;
  Score currentScore = Evaluate(in, current);
  double currentSpread = Spread(in, current);
  Score bestScore = currentScore;
  for (long iter = 0;; ++iter) {
    if ((iter & 15) == 0 && (Clock::now() >= deadline || stop.stop_requested())) return;
    if (done()) return;
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
        bestScore = currentScore;
        improved(current);
      }
    }
  }
}

namespace {

int64_t Kept(const Instance& in, int stock, int64_t load) {
  const int64_t slack = in.cap[stock] - load;
  const int64_t offcut = slack > in.kerf ? slack - in.kerf : 0;
  return offcut >= in.keepMin ? offcut : 0;
}

}  // namespace

void GatherOffcuts(const Instance& in, Packing& packing, Clock::time_point deadline) {
  if (in.keepMin <= 0) return;
  for (int pass = 0; pass < 50; ++pass) {
    bool gained = false;
    for (size_t a = 0; a < packing.size(); ++a) {
      if ((a & 31) == 31 && Clock::now() >= deadline) return;
      for (size_t b = 0; b < packing.size(); ++b) {
        if (a == b) continue;
        Bin& x = packing[a];
        Bin& y = packing[b];
        const int64_t before = Kept(in, x.stock, x.load) + Kept(in, y.stock, y.load);
        // Piece i of x to y, or swapped with piece j of y (j == -1: moved).
        bool moved = false;
        for (size_t i = 0; i < x.items.size() && !moved; ++i) {
          const int64_t wi = in.size[x.items[i]];
          for (int j = -1; j < static_cast<int>(y.items.size()); ++j) {
            const int64_t wj = j < 0 ? 0 : in.size[y.items[j]];
            if (wi == wj || (j < 0 && x.items.size() == 1)) continue;
            const int64_t lx = x.load - wi + wj, ly = y.load - wj + wi;
            if (ly > in.cap[y.stock] || lx > in.cap[x.stock]) continue;
            if (Kept(in, x.stock, lx) + Kept(in, y.stock, ly) <= before) continue;
            if (j < 0) {
              y.items.push_back(x.items[i]);
              x.items.erase(x.items.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
              std::swap(x.items[i], y.items[j]);
            }
            x.load = lx;
            y.load = ly;
            moved = gained = true;
            break;
          }
        }
      }
    }
    if (!gained || Clock::now() >= deadline) return;
  }
}

}  // namespace zelvik::cutting::detail
