// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The optimiser's own view of a request: lengths on an integer grid, each piece grown by one
// kerf and each bar's usable length by one kerf, so that a bar holds a set of pieces exactly
// when their grown lengths add up to no more than its capacity. Pieces of one length form
// one item type whatever their labels.
#include <chrono>
#include <cstdint>
#include <limits>
#include <vector>

#include "cutting/cutting_plan.h"

namespace zelvik::cutting::detail {

constexpr int kUnlimited = std::numeric_limits<int>::max();

using Clock = std::chrono::steady_clock;

struct Instance {
  double unitMm = 0.1;          // one grid step
  std::vector<int64_t> size;    // per item type, kerf included, largest first
  std::vector<int> demand;      // per item type
  std::vector<int64_t> cap;     // per stock: usable length plus one kerf; 0 when it holds nothing
  std::vector<double> cost;     // per stock: price, or the stock length in mm without prices
  std::vector<int> limit;       // per stock, kUnlimited when not limited
  int64_t kerf = 0;
  int64_t keepMin = 0;          // 0: nothing is kept
  int items = 0;                // pieces in all
  bool priced = false;

  int types() const { return static_cast<int>(size.size()); }
  int stocks() const { return static_cast<int>(cap.size()); }
};

struct Bin {
  int stock = 0;
  int64_t load = 0;        // sum of the grown sizes
  std::vector<int> items;  // item types, one entry per piece
};

using Packing = std::vector<Bin>;

// What the objective sees of a packing, compared in this order.
struct Score {
  double cost = std::numeric_limits<double>::infinity();
  int bars = 0;
  int64_t kept = 0;  // grid units in kept offcuts

  bool BetterThan(const Score& o) const;
  bool feasible() const { return cost != std::numeric_limits<double>::infinity(); }
};

// Checks the request and puts it on the grid; throws CutError for what no plan can satisfy
// (a piece that fits no stock, no room after kerf and trim, mixed prices, bad numbers).
// `typeOf` receives each request piece's item type.
Instance BuildInstance(const CutRequest& request, std::vector<int>* typeOf);

int64_t Offcut(const Instance& in, const Bin& bin);
Score Evaluate(const Instance& in, const Packing& packing);
// Every piece once, no bar over its capacity, no stock over its limit.
bool IsValid(const Instance& in, const Packing& packing);

// Cost per bar tolerances: prices are money, compared to a thousandth of a cent.
constexpr double kCostEps = 1e-7;

}  // namespace zelvik::cutting::detail
