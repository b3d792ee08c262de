// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/bounds.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zelvik::cutting::detail {
namespace {

int64_t CeilDiv(int64_t a, int64_t b) { return a <= 0 ? 0 : (a + b - 1) / b; }

}  // namespace

int BarsBound(const Instance& in) {
  const int64_t c = *std::max_element(in.cap.begin(), in.cap.end());
  int64_t total = 0;
  for (int i = 0; i < in.types(); ++i) total += in.size[i] * in.demand[i];
  int64_t best = CeilDiv(total, c);
  // L2: for each threshold a, items over c - a need a bar of their own, items over c/2 one
  // each too, and items from a to c/2 fill what those leave before needing more.
  std::vector<int64_t> thresholds{0};
  for (int i = 0; i < in.types(); ++i) {
    if (2 * in.size[i] <= c) thresholds.push_back(in.size[i]);
  }
  for (int64_t a : thresholds) {
    int64_t n1 = 0, n2 = 0, s2 = 0, s3 = 0;
    for (int i = 0; i < in.types(); ++i) {
      const int64_t w = in.size[i];
      const int64_t d = in.demand[i];
      if (w > c - a) {
        n1 += d;
      } else if (2 * w > c) {
        n2 += d;
        s2 += w * d;
      } else if (w >= a) {
        s3 += w * d;
      }
    }
    best = std::max(best, n1 + n2 + CeilDiv(s3 - (n2 * c - s2), c));
  }
  return static_cast<int>(best);
}

double TrivialCostBound(const Instance& in) {
  double cheapestBar = -1, perUnit = -1;
  int64_t total = 0;
  for (int i = 0; i < in.types(); ++i) total += in.size[i] * in.demand[i];
  for (int s = 0; s < in.stocks(); ++s) {
    if (in.cap[s] == 0 || in.limit[s] == 0) continue;
    cheapestBar = cheapestBar < 0 ? in.cost[s] : std::min(cheapestBar, in.cost[s]);
    const double r = in.cost[s] / static_cast<double>(in.cap[s]);
    perUnit = perUnit < 0 ? r : std::min(perUnit, r);
  }
  if (cheapestBar < 0) return 0;
  return std::max(BarsBound(in) * cheapestBar, perUnit * static_cast<double>(total));
}

double RoundUpCost(const Instance& in, double value) {
  if (value <= 0) return 0;
  // Stock lengths lie on 0.1 mm, prices usually on cents.
  for (double scale : {10.0, 100.0}) {
    std::vector<int64_t> units;
    bool onGrid = true;
    for (int s = 0; s < in.stocks() && onGrid; ++s) {
      const double u = in.cost[s] * scale;
      onGrid = std::fabs(u - std::round(u)) < 1e-6 && u < 1e12;
      units.push_back(static_cast<int64_t>(std::round(u)));
    }
    if (!onGrid) continue;
    int64_t g = 0;
    for (int s = 0; s < in.stocks(); ++s) {
      if (in.cap[s] > 0 && in.limit[s] > 0) g = std::gcd(g, units[s]);
    }
    if (g == 0) return value;
    const double target = value * scale / static_cast<double>(g);
    const int64_t from = static_cast<int64_t>(std::ceil(target - 1e-7));
    int64_t maxStep = 0;
    for (int s = 0; s < in.stocks(); ++s) maxStep = std::max(maxStep, units[s] / g);
    const int64_t width = from + maxStep + 1;
    if (width > 20'000'000) return static_cast<double>(from * g) / scale;
    // Which totals n_s bars of each stock can make, up to the first total past the target.
    std::vector<bool> reach(static_cast<size_t>(width), false);
    reach[0] = true;
    for (int s = 0; s < in.stocks(); ++s) {
      if (in.cap[s] == 0 || in.limit[s] == 0) continue;
      const int64_t step = units[s] / g;
      if (step == 0) continue;
      int64_t left = std::min<int64_t>(in.limit[s], width / step + 1);
      for (int64_t k = 1; left > 0; k *= 2) {
        const int64_t c = std::min(k, left);
        const int64_t w = c * step;
        for (int64_t v = width - 1; v >= w; --v) {
          if (reach[v - w]) reach[v] = true;
        }
        left -= c;
      }
    }
    for (int64_t v = std::max<int64_t>(from, 0); v < width; ++v) {
      if (reach[v]) return static_cast<double>(v * g) / scale;
    }
    return value;
  }
  return value;
}

}  // namespace zelvik::cutting::detail
