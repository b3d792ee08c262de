// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/knapsack.h"

#include <algorithm>
#include <functional>
#include <optional>

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

// Depth first over the items by value per length, each taken as often as it may be first,
// pruned by the bound of the fractional knapsack on what is left. Gives up after `nodeLimit`
// nodes: long bars with many item types make the table below too big, but rarely this search.
std::optional<KnapResult> BranchAndBound(const std::vector<KnapItem>& items, int64_t capacity, long nodeLimit) {
  std::vector<int> order;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].weight > 0 && items[i].weight <= capacity && items[i].bound > 0 && items[i].value > 1e-12) {
      order.push_back(static_cast<int>(i));
    }
  }
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return items[a].value * static_cast<double>(items[b].weight) > items[b].value * static_cast<double>(items[a].weight);
  });
  const size_t n = order.size();
  std::vector<int> take(n, 0), bestTake(n, 0);
  double bestValue = 0;
  long nodes = 0;
  auto bound = [&](size_t k, int64_t room) {
    double extra = 0;
    for (size_t j = k; j < n && room > 0; ++j) {
      const KnapItem& it = items[order[j]];
      const int64_t fit = std::min<int64_t>(it.bound, room / it.weight);
      extra += static_cast<double>(fit) * it.value;
      room -= fit * it.weight;
      if (fit < it.bound) {
        extra += it.value * static_cast<double>(room) / static_cast<double>(it.weight);
        break;
      }
    }
    return extra;
  };
  std::function<void(size_t, int64_t, double)> visit = [&](size_t k, int64_t room, double value) {
    if (++nodes > nodeLimit) return;
    if (value > bestValue + 1e-12) {
      bestValue = value;
      bestTake = take;
    }
    if (k == n || value + bound(k, room) <= bestValue + 1e-12) return;
    const KnapItem& it = items[order[k]];
    for (int c = static_cast<int>(std::min<int64_t>(it.bound, room / it.weight)); c >= 0; --c) {
      take[k] = c;
      visit(k + 1, room - c * it.weight, value + c * it.value);
      if (nodes > nodeLimit) break;
    }
    take[k] = 0;
  };
  visit(0, capacity, 0);
  if (nodes > nodeLimit) return std::nullopt;
  KnapResult r;
  r.count.assign(items.size(), 0);
  r.value = bestValue;
  for (size_t j = 0; j < n; ++j) {
    r.count[order[j]] = bestTake[j];
    r.weight += bestTake[j] * items[order[j]].weight;
  }
  return r;
}

}  // namespace

std::vector<KnapResult> MaxValue(const std::vector<KnapItem>& items, const std::vector<int64_t>& capacities) {
  const int64_t cmax = capacities.empty() ? 0 : *std::max_element(capacities.begin(), capacities.end());
  const std::vector<Part> parts = Split(items, cmax, true);
  if (parts.empty()) {
    return std::vector<KnapResult>(capacities.size(), KnapResult{0, 0, std::vector<int>(items.size(), 0)});
  }
  if (static_cast<double>(cmax) * static_cast<double>(parts.size()) > 4e6) {
    std::vector<KnapResult> results;
    for (int64_t capacity : capacities) {
      auto r = BranchAndBound(items, std::max<int64_t>(capacity, 0), 20000);
      if (!r) break;
      results.push_back(std::move(*r));
    }
    if (results.size() == capacities.size()) return results;
  }
  const size_t width = static_cast<size_t>(cmax) + 1;
  std::vector<double> best(width, 0.0);
  const size_t words = width / 64 + 1;
  std::vector<uint64_t> take(parts.size() * words, 0);  // bit c of row j: part j improved capacity c
  for (size_t j = 0; j < parts.size(); ++j) {
    const int64_t w = parts[j].weight;
    const double v = parts[j].value;
    uint64_t* tj = take.data() + j * words;
    double* f = best.data();
    for (int64_t c = cmax; c >= w; --c) {
      const double cand = f[c - w] + v;
      if (cand > f[c] + 1e-12) {
        f[c] = cand;
        tj[c >> 6] |= 1ULL << (c & 63);
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
      if ((take[j * words + static_cast<size_t>(c >> 6)] >> (c & 63)) & 1ULL) {
        r.count[parts[j].item] += parts[j].copies;
        r.weight += parts[j].weight;
        c -= parts[j].weight;
      }
    }
    results.push_back(std::move(r));
  }
  return results;
}

double FractionalBound(const std::vector<KnapItem>& items, int64_t capacity) {
  std::vector<const KnapItem*> order;
  for (const KnapItem& it : items) {
    if (it.weight > 0 && it.weight <= capacity && it.bound > 0 && it.value > 0) order.push_back(&it);
  }
  std::sort(order.begin(), order.end(), [](const KnapItem* a, const KnapItem* b) {
    return a->value * static_cast<double>(b->weight) > b->value * static_cast<double>(a->weight);
  });
  double value = 0;
  int64_t room = capacity;
  for (const KnapItem* it : order) {
    const int64_t fit = std::min<int64_t>(it->bound, room / it->weight);
    value += static_cast<double>(fit) * it->value;
    room -= fit * it->weight;
    if (fit < it->bound) return value + it->value * static_cast<double>(room) / static_cast<double>(it->weight);
  }
  return value;
}

KnapResult BestFill(const std::vector<KnapItem>& items, int64_t capacity) {
  KnapResult r;
  r.count.assign(items.size(), 0);
  if (capacity <= 0) return r;
  const std::vector<Part> parts = Split(items, capacity, false);
  const size_t words = static_cast<size_t>(capacity) / 64 + 1;
  const int tailBits = static_cast<int>(capacity % 64) + 1;
  const uint64_t tailMask = tailBits == 64 ? ~0ULL : ((1ULL << tailBits) - 1);
  // The sums reachable so far, and for each the part that reached it first: the sum less
  // that part's weight was reachable before it, so following the parts back rebuilds it.
  std::vector<uint64_t> reach(words, 0), next(words, 0);
  std::vector<int> firstPart(static_cast<size_t>(capacity) + 1, -1);
  reach[0] = 1;
  auto has = [&](int64_t c) { return (reach[c / 64] >> (c % 64)) & 1ULL; };
  for (size_t j = 0; j < parts.size() && !has(capacity); ++j) {
    const size_t ws = static_cast<size_t>(parts[j].weight / 64);
    const int bs = static_cast<int>(parts[j].weight % 64);
    for (size_t w = 0; w < words; ++w) {
      uint64_t v = 0;
      if (w >= ws) {
        v = reach[w - ws] << bs;
        if (bs && w - ws > 0) v |= reach[w - ws - 1] >> (64 - bs);
      }
      next[w] = v;
    }
    next[words - 1] &= tailMask;
    for (size_t w = 0; w < words; ++w) {
      uint64_t fresh = next[w] & ~reach[w];
      reach[w] |= fresh;
      while (fresh) {
        firstPart[w * 64 + static_cast<size_t>(__builtin_ctzll(fresh))] = static_cast<int>(j);
        fresh &= fresh - 1;
      }
    }
  }
  int64_t c = capacity;
  while (c > 0 && !has(c)) --c;
  r.weight = c;
  while (c > 0) {
    const Part& p = parts[firstPart[c]];
    r.count[p.item] += p.copies;
    c -= p.weight;
  }
  for (size_t i = 0; i < items.size(); ++i) r.value += r.count[i] * items[i].value;
  return r;
}

}  // namespace zelvik::cutting::detail
