// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/layout.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace zelvik::cutting::detail {
namespace {

// Lengths are computed on the grid and shown to 0.1 mm.
double Tenth(double mm) { return std::round(mm * 10) / 10; }

}  // namespace

CutPlan LayOut(const CutRequest& request, const Instance& in, const std::vector<int>& typeOf, Packing packing) {
  for (Bin& b : packing) std::sort(b.items.begin(), b.items.end());  // longest first
  // Alike bars side by side, the most common pattern of each stock length first.
  std::stable_sort(packing.begin(), packing.end(), [](const Bin& a, const Bin& b) {
    return a.stock != b.stock ? a.stock < b.stock : a.items < b.items;
  });
  std::vector<std::deque<int>> owners(in.types());  // request pieces waiting per item type
  for (size_t p = 0; p < request.pieces.size(); ++p) {
    for (int q = 0; q < request.pieces[p].quantity; ++q) owners[typeOf[p]].push_back(static_cast<int>(p));
  }
  const double kerf = request.kerf;
  CutPlan plan;
  CutTotals& totals = plan.totals;
  for (const Bin& bin : packing) {
    Bar bar;
    bar.stock = bin.stock;
    bar.stockLength = request.stocks[bin.stock].length;
    double position = request.trim;
    for (int t : bin.items) {
      const int p = owners[t].front();
      owners[t].pop_front();
      const double length = request.pieces[p].length;
      bar.pieces.push_back({length, Tenth(position), p});
      position += length + kerf;
      totals.usedMm += length;
    }
    bar.offcut = Tenth(static_cast<double>(Offcut(in, bin)) * in.unitMm);
    bar.kept = in.keepMin > 0 && Offcut(in, bin) >= in.keepMin;
    if (bar.kept) totals.keptMm += bar.offcut;
    totals.stockMm += bar.stockLength;
    plan.bars.push_back(std::move(bar));
  }
  totals.bars = static_cast<int>(plan.bars.size());
  for (size_t s = 0; s < request.stocks.size(); ++s) {
    const int n = static_cast<int>(std::count_if(plan.bars.begin(), plan.bars.end(),
                                                 [&](const Bar& b) { return b.stock == static_cast<int>(s); }));
    if (n > 0) totals.perStock.push_back({static_cast<int>(s), request.stocks[s].length, n});
  }
  totals.usedMm = Tenth(totals.usedMm);
  totals.stockMm = Tenth(totals.stockMm);
  totals.keptMm = Tenth(totals.keptMm);
  totals.scrapMm = Tenth(totals.stockMm - totals.usedMm - totals.keptMm);
  totals.scrapShare = totals.stockMm > 0 ? totals.scrapMm / totals.stockMm : 0;
  if (request.unitWeight > 0) totals.weightKg = totals.stockMm / 1000 * request.unitWeight;
  if (in.priced) {
    double cost = 0;
    for (const Bar& b : plan.bars) cost += *request.stocks[b.stock].price;
    totals.cost = cost;
  }

  for (size_t i = 0; i < plan.bars.size(); ++i) {
    const Bar& bar = plan.bars[i];
    std::vector<double> cuts;
    for (const PlacedPiece& p : bar.pieces) cuts.push_back(p.length);
    if (!plan.patterns.empty() && plan.patterns.back().stock == bar.stock && plan.patterns.back().cuts == cuts) {
      ++plan.patterns.back().count;
      plan.patterns.back().bars.push_back(static_cast<int>(i));
      continue;
    }
    plan.patterns.push_back({bar.stock, bar.stockLength, cuts, bar.offcut, bar.kept, 1, {static_cast<int>(i)}});
  }
  std::stable_sort(plan.patterns.begin(), plan.patterns.end(), [](const Pattern& a, const Pattern& b) {
    return a.stock != b.stock ? a.stock < b.stock : a.count > b.count;
  });
  // Bars in the patterns' order, so that the saw works through one pattern at a time.
  std::vector<Bar> bars;
  for (Pattern& pattern : plan.patterns) {
    for (int& i : pattern.bars) {
      bars.push_back(std::move(plan.bars[i]));
      i = static_cast<int>(bars.size()) - 1;
    }
  }
  plan.bars = std::move(bars);
  return plan;
}

}  // namespace zelvik::cutting::detail
