#include "cutting/knapsack.h"

#include <algorithm>

namespace zelvik::cutting::detail {
namespace {

// Bounded items as 0/1 items of 1, 2, 4, … copies.
struct Part {
  int item;
  int copies;
  int64_t weight;
  double value;
};

std::vector<Part> Split(const std::vector<KnapItem>& items, int64_t capacity, bool needValue) {
  std::vector<Part> parts;
  for (size_t i = 0; i < items.size(); ++i) {
    const KnapItem& it = items[i];
    if (it.weight <= 0 || it.weight > capacity || it.bound <= 0) continue;
    if (needValue && it.value <= 1e-12) continue;
    int left = static_cast<int>(std::min<int64_t>(it.bound, capacity / it.weight));
    for (int k = 1; left > 0; k *= 2) {
      const int c = std::min(k, left);
      parts.push_back({static_cast<int>(i), c, c * it.weight, c * it.value});
      left -= c;
    }
  }
  return parts;
}

}  // namespace

std::vector<KnapResult> MaxValue(const std::vector<KnapItem>& items, const std::vector<int64_t>& capacities) {
  const int64_t cmax = capacities.empty() ? 0 : *std::max_element(capacities.begin(), capacities.end());
  const std::vector<Part> parts = Split(items, cmax, true);
  const size_t width = static_cast<size_t>(cmax) + 1;
  std::vector<double> best(width, 0.0);
  std::vector<std::vector<bool>> take(parts.size(), std::vector<bool>(width, false));
  for (size_t j = 0; j < parts.size(); ++j) {
    const int64_t w = parts[j].weight;
    const double v = parts[j].value;
    std::vector<bool>& tj = take[j];
    for (int64_t c = cmax; c >= w; --c) {
      const double cand = best[c - w] + v;
      if (cand > best[c] + 1e-12) {
        best[c] = cand;
        tj[c] = true;
      }
    }
  }
  std::vector<KnapResult> results;
  for (int64_t capacity : capacities) {
    KnapResult r;
    r.count.assign(items.size(), 0);
    int64_t c = std::max<int64_t>(capacity, 0);
    r.value = capacity > 0 ? best[c] : 0;
    for (size_t j = parts.size(); j-- > 0 && c > 0;) {
      if (take[j][c]) {
        r.count[parts[j].item] += parts[j].copies;
        r.weight += parts[j].weight;
        c -= parts[j].weight;
      }
    }
    results.push_back(std::move(r));
  }
  return results;
}

KnapResult BestFill(const std::vector<KnapItem>& items, int64_t capacity) {
  KnapResult r;
  r.count.assign(items.size(), 0);
  if (capacity <= 0) return r;
  const std::vector<Part> parts = Split(items, capacity, false);
  const size_t words = static_cast<size_t>(capacity) / 64 + 1;
  const int tailBits = static_cast<int>(capacity % 64) + 1;
  const uint64_t tailMask = tailBits == 64 ? ~0ULL : ((1ULL << tailBits) - 1);
  // reach[j]: the sums the first j parts can make.
  std::vector<std::vector<uint64_t>> reach(1, std::vector<uint64_t>(words, 0));
  reach[0][0] = 1;
  auto has = [&](const std::vector<uint64_t>& b, int64_t c) { return (b[c / 64] >> (c % 64)) & 1ULL; };
  for (const Part& p : parts) {
    const std::vector<uint64_t>& src = reach.back();
    std::vector<uint64_t> dst = src;
    const size_t ws = static_cast<size_t>(p.weight / 64);
    const int bs = static_cast<int>(p.weight % 64);
    for (size_t w = words; w-- > ws;) {
      uint64_t v = src[w - ws] << bs;
      if (bs && w - ws > 0) v |= src[w - ws - 1] >> (64 - bs);
      dst[w] |= v;
    }
    dst[words - 1] &= tailMask;
    reach.push_back(std::move(dst));
    if (has(reach.back(), capacity)) break;  // a perfect fill cannot be beaten
  }
  int64_t c = capacity;
  const std::vector<uint64_t>& last = reach.back();
  while (c > 0 && !has(last, c)) --c;
  r.weight = c;
  for (size_t j = reach.size() - 1; j > 0 && c > 0; --j) {
    if (!has(reach[j - 1], c)) {
      const Part& p = parts[j - 1];
      r.count[p.item] += p.copies;
      c -= p.weight;
    }
  }
  for (size_t i = 0; i < items.size(); ++i) r.value += r.count[i] * items[i].value;
  return r;
}

}  // namespace zelvik::cutting::detail
