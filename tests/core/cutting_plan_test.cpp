// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>

#include "cutting/cutting_plan.h"

namespace zelvik::cutting {
namespace {

CutRequest Request(std::vector<Piece> pieces, std::vector<Stock> stocks, double kerf, double trim = 0,
                   double keep = 0) {
  CutRequest r;
  r.pieces = std::move(pieces);
  r.stocks = std::move(stocks);
  r.kerf = kerf;
  r.trim = trim;
  r.keepMin = keep;
  return r;
}

Stock S(double length, std::optional<int> count = std::nullopt, std::optional<double> price = std::nullopt) {
  return {length, count, price};
}

std::vector<double> Positions(const Bar& bar) {
  std::vector<double> p;
  for (const auto& c : bar.pieces) p.push_back(c.position);
  return p;
}

// One bar each: kerf between pieces and before a remaining offcut, none after a piece that
// ends flush; trim at both ends; offcuts kept from the shortest length asked for.
TEST(CuttingPlan, OneBarRules) {
  struct Case {
    const char* name;
    CutRequest request;
    std::vector<double> positions;
    double offcut;
    bool kept;
  };
  const Case cases[] = {
      {"kerf before the offcut", Request({{2350, 2, "A"}, {1200, 1, ""}}, {S(6000)}, 3), {0, 2353, 4706}, 91, false},
      {"flush last piece", Request({{2997, 1, ""}, {3000, 1, ""}}, {S(6000)}, 3), {0, 3003}, 0, false},
      {"rest within a kerf", Request({{2996, 1, ""}, {3000, 1, ""}}, {S(6000)}, 3), {0, 3003}, 0, false},
      {"trim at both ends", Request({{2985, 1, ""}, {2992, 1, ""}}, {S(6000)}, 3, 10), {10, 3005}, 0, false},
      {"kept offcut", Request({{5397, 1, ""}}, {S(6000)}, 3, 0, 600), {0}, 600, true},
      {"offcut too short to keep", Request({{5398, 1, ""}}, {S(6000)}, 3, 0, 600), {0}, 599, false},
      {"tenths of a millimetre", Request({{1999.9, 2, ""}}, {S(4000)}, 0.1), {0, 2000}, 0, false},
  };
  for (const Case& c : cases) {
    const CutPlan plan = Optimise(c.request);
    ASSERT_EQ(plan.bars.size(), 1u) << c.name;
    EXPECT_EQ(Positions(plan.bars[0]), c.positions) << c.name;
    EXPECT_DOUBLE_EQ(plan.bars[0].offcut, c.offcut) << c.name;
    EXPECT_EQ(plan.bars[0].kept, c.kept) << c.name;
    EXPECT_TRUE(plan.optimal) << c.name;
    const CutTotals& t = plan.totals;
    EXPECT_DOUBLE_EQ(t.keptMm, c.kept ? c.offcut : 0) << c.name;
    EXPECT_NEAR(t.scrapMm, t.stockMm - t.usedMm - t.keptMm, 1e-9) << c.name;
  }
}

TEST(CuttingPlan, ThreeMillimetresMoreNeedsASecondBar) {
  const CutPlan plan = Optimise(Request({{2998, 1, ""}, {3000, 1, ""}}, {S(6000)}, 3));
  EXPECT_EQ(plan.totals.bars, 2);
  EXPECT_EQ(plan.bound.bars, 2);
  EXPECT_TRUE(plan.optimal);
}

// At equal stock and bars, the waste gathers where it makes an offcut worth keeping.
TEST(CuttingPlan, WasteGathersInKeptOffcuts) {
  const CutPlan plan = Optimise(Request({{3000, 2, ""}, {2600, 2, ""}}, {S(6000)}, 0, 0, 500));
  EXPECT_EQ(plan.totals.bars, 2);
  EXPECT_DOUBLE_EQ(plan.totals.keptMm, 800);
  EXPECT_DOUBLE_EQ(plan.totals.scrapMm, 0);
}

TEST(CuttingPlan, LabelsFollowTheirPieces) {
  const CutPlan plan = Optimise(Request({{1000, 2, "A"}, {1000, 1, "B"}, {500, 1, "C"}}, {S(6000)}, 0));
  std::vector<int> seen(3, 0);
  for (const Bar& bar : plan.bars) {
    for (const PlacedPiece& p : bar.pieces) ++seen[p.piece];
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 1, 1}));
}

// Several stock lengths: by length, then fewer bars; by price when priced; within counts.
TEST(CuttingPlan, StockChoice) {
  struct Case {
    const char* name;
    CutRequest request;
    std::vector<std::pair<double, int>> bars;  // stock length, bars
    std::optional<double> cost;
  };
  const Case cases[] = {
      {"equal length, fewer bars", Request({{5500, 2, ""}}, {S(6000), S(12000)}, 3), {{12000, 1}}, std::nullopt},
      {"priced", Request({{5500, 2, ""}}, {S(6000, {}, 100), S(12000, {}, 250)}, 3), {{6000, 2}}, 200},
      {"cheaper long bar", Request({{5500, 2, ""}}, {S(6000, {}, 100), S(12000, {}, 150)}, 3), {{12000, 1}}, 150},
      {"count limit", Request({{5000, 3, ""}}, {S(6000, 1), S(12000)}, 0), {{6000, 1}, {12000, 1}}, std::nullopt},
      {"none on hand", Request({{2000, 3, ""}}, {S(6000, 0), S(9000)}, 0), {{9000, 1}}, std::nullopt},
      {"priced and counted", Request({{5500, 3, ""}}, {S(6000, 2, 100), S(12000, {}, 150)}, 3), {{6000, 1}, {12000, 1}},
       250},
  };
  for (const Case& c : cases) {
    const CutPlan plan = Optimise(c.request);
    std::vector<std::pair<double, int>> bars;
    for (const StockTotal& t : plan.totals.perStock) bars.emplace_back(t.stockLength, t.bars);
    EXPECT_EQ(bars, c.bars) << c.name;
    EXPECT_EQ(plan.totals.cost, c.cost) << c.name;
    EXPECT_TRUE(plan.optimal) << c.name;
  }
}

// Two pieces of 40 to a bar: the relaxation proves three bars where L2 says two.
TEST(CuttingPlan, RelaxationBeatsTheSimpleBounds) {
  const CutPlan plan = Optimise(Request({{40, 5, ""}}, {S(100)}, 0));
  EXPECT_EQ(plan.totals.bars, 3);
  EXPECT_EQ(plan.bound.bars, 3);
  EXPECT_TRUE(plan.bound.fromLp);
  EXPECT_TRUE(plan.optimal);
}

TEST(CuttingPlan, WeightOfTheStockBought) {
  CutRequest r = Request({{2000, 4, ""}}, {S(6000)}, 0);
  r.unitWeight = 3.77;
  const CutPlan plan = Optimise(r);
  ASSERT_TRUE(plan.totals.weightKg);
  EXPECT_NEAR(*plan.totals.weightKg, 12 * 3.77, 1e-9);
  EXPECT_FALSE(plan.totals.cost);
}

TEST(CuttingPlan, Errors) {
  struct Case {
    const char* name;
    CutRequest request;
    CutErrorKind kind;
  };
  const Case cases[] = {
      {"no pieces", Request({}, {S(6000)}, 3), CutErrorKind::NoPieces},
      {"no stock", Request({{100, 1, ""}}, {}, 3), CutErrorKind::NoStock},
      {"too long", Request({{6001, 1, ""}, {100, 1, ""}}, {S(6000), S(4000)}, 3), CutErrorKind::PieceTooLong},
      {"too long after trim", Request({{5990, 1, ""}}, {S(6000)}, 3, 10), CutErrorKind::PieceTooLong},
      {"trim eats the bar", Request({{10, 1, ""}}, {S(6000)}, 3, 3000), CutErrorKind::NoRoom},
      {"mixed prices", Request({{100, 1, ""}}, {S(6000, {}, 10), S(9000)}, 3), CutErrorKind::MixedPrices},
      {"negative kerf", Request({{100, 1, ""}}, {S(6000)}, -1), CutErrorKind::BadNumber},
      {"hundredths", Request({{100.25, 1, ""}}, {S(6000)}, 3), CutErrorKind::BadNumber},
      {"no quantity", Request({{100, 0, ""}}, {S(6000)}, 3), CutErrorKind::BadNumber},
      {"negative count", Request({{100, 1, ""}}, {S(6000, -1)}, 3), CutErrorKind::BadNumber},
      {"over 100 m", Request({{100, 1, ""}}, {S(100000.1)}, 3), CutErrorKind::BadNumber},
      {"not enough bars", Request({{4000, 3, ""}}, {S(6000, 2)}, 3), CutErrorKind::NotEnoughStock},
      {"not enough in all", Request({{5000, 3, ""}}, {S(6000, 1), S(9000, 1)}, 3), CutErrorKind::NotEnoughStock},
  };
  for (const Case& c : cases) {
    try {
      Optimise(c.request);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const CutError& e) {
      EXPECT_EQ(e.kind(), c.kind) << c.name << ": " << e.what();
    }
  }
}

// The cheapest plan by trying every partition of the pieces into bars.
double ExhaustiveCost(const CutRequest& r) {
  std::vector<double> items;
  for (const Piece& p : r.pieces) items.insert(items.end(), p.quantity, p.length);
  std::vector<std::vector<double>> blocks;
  double best = 1e18;
  auto barCost = [&](const std::vector<double>& block) {
    double len = -r.kerf;
    for (double p : block) len += p + r.kerf;
    double c = 1e18;
    for (const Stock& s : r.stocks) {
      if (len <= s.length - 2 * r.trim + 1e-9) c = std::min(c, s.price ? *s.price : s.length);
    }
    return c;
  };
  std::function<void(size_t, double)> place = [&](size_t k, double cost) {
    if (cost >= best) return;
    if (k == items.size()) {
      best = cost;
      return;
    }
    for (size_t b = 0; b <= blocks.size(); ++b) {
      if (b == blocks.size()) blocks.emplace_back();
      const double before = blocks[b].empty() ? 0 : barCost(blocks[b]);
      blocks[b].push_back(items[k]);
      const double after = barCost(blocks[b]);
      if (after < 1e17) place(k + 1, cost - before + after);
      blocks[b].pop_back();
      if (blocks[b].empty()) {
        blocks.pop_back();
        break;
      }
    }
  };
  place(0, 0);
  return best;
}

TEST(CuttingPlan, SmallInstancesMatchExhaustiveSearch) {
  std::mt19937 rng(7);
  const double kerfs[] = {0, 3, 2.5};
  for (int n = 0; n < 60; ++n) {
    CutRequest r;
    r.kerf = kerfs[rng() % 3];
    r.trim = rng() % 2 ? 5 : 0;
    const bool priced = rng() % 3 == 0;
    const double lengths[] = {3000, 4500, 6000};
    for (int s = 0, stocks = 1 + static_cast<int>(rng() % 2); s < stocks; ++s) {
      const double len = lengths[(s + n) % 3];
      r.stocks.push_back(S(len, std::nullopt, priced ? std::optional<double>(len / 100 + rng() % 20) : std::nullopt));
    }
    int pieces = 0;
    while (pieces < 7) {
      const int q = 1 + static_cast<int>(rng() % 3);
      r.pieces.push_back({static_cast<double>(300 + 10 * (rng() % 260)), std::min(q, 7 - pieces), ""});
      pieces += r.pieces.back().quantity;
    }
    CutOptions options;
    options.timeLimit = std::chrono::milliseconds(300);
    const CutPlan plan = Optimise(r, options);
    const double exact = ExhaustiveCost(r);
    const double cost = priced ? *plan.totals.cost : plan.totals.stockMm;
    std::string text = "kerf " + std::to_string(r.kerf) + " trim " + std::to_string(r.trim) + " stocks";
    for (const Stock& s : r.stocks) text += " " + std::to_string(s.length) + "/" + std::to_string(s.price.value_or(-1));
    for (const Piece& p : r.pieces) text += " " + std::to_string(p.length) + "x" + std::to_string(p.quantity);
    EXPECT_NEAR(cost, exact, 1e-6) << "instance " << n << ": " << text;
    const double bound = priced ? *plan.bound.cost : plan.bound.stockMm;
    EXPECT_LE(bound, exact + 1e-6) << "instance " << n;
    EXPECT_EQ(plan.optimal, bound >= cost - 1e-6) << "instance " << n;
  }
}

// Public instances with a known optimum: the bound never above it, and equal to it here.
TEST(CuttingPlan, BoundOnPublicInstances) {
  struct Case {
    const char* file;
    int skip;  // lines before the instance
    double capacity;
    int items;
    int optimum;
  };
  const Case cases[] = {
      {"falkenauer_t60.txt", 3, 100, 60, 20},
      {"scholl_sample/N1W1B1R0.BPP", 2, 1000, 50, 18},
  };
  for (const Case& c : cases) {
    std::ifstream in(std::string(ZELVIK_SOURCE_DIR) + "/tests/data/cutting/" + c.file);
    ASSERT_TRUE(in) << c.file;
    std::string line;
    for (int i = 0; i < c.skip; ++i) std::getline(in, line);
    CutRequest r;
    r.kerf = 0;
    r.stocks.push_back(S(c.capacity));
    for (int i = 0; i < c.items; ++i) {
      double w = 0;
      in >> w;
      r.pieces.push_back({w, 1, ""});
    }
    const CutPlan plan = Optimise(r);
    EXPECT_EQ(plan.bound.bars, c.optimum) << c.file;
    EXPECT_EQ(plan.totals.bars, c.optimum) << c.file;
    EXPECT_TRUE(plan.optimal) << c.file;
  }
}

TEST(CuttingPlan, StopRequestReturnsAValidPlan) {
  CutRequest r = Request({}, {S(6000)}, 3);
  for (int i = 0; i < 40; ++i) r.pieces.push_back({static_cast<double>(400 + 37 * i), 1 + i % 4, ""});
  std::stop_source source;
  source.request_stop();
  CutOptions options;
  options.stop = source.get_token();
  std::vector<CutStage> stages;
  options.progress = [&](const CutProgress& p) { stages.push_back(p.stage); };
  const CutPlan plan = Optimise(r, options);
  int pieces = 0;
  for (const Bar& bar : plan.bars) pieces += static_cast<int>(bar.pieces.size());
  EXPECT_EQ(pieces, 100);
  EXPECT_EQ(plan.stopped, !plan.optimal);
  ASSERT_FALSE(stages.empty());
  EXPECT_EQ(stages.back(), CutStage::Done);
}

TEST(CuttingPlan, ProgressReports) {
  std::vector<CutProgress> reports;
  CutOptions options;
  options.progress = [&](const CutProgress& p) { reports.push_back(p); };
  const CutPlan plan = Optimise(Request({{60, 3, ""}, {45, 3, ""}}, {S(100)}, 0), options);
  ASSERT_FALSE(reports.empty());
  int bars = 0;
  for (const CutProgress& p : reports) {
    EXPECT_GE(p.fraction, 0);
    EXPECT_LE(p.fraction, 1);
    if (bars > 0) {
      EXPECT_LE(p.bestBars, bars);  // the best plan never gets worse
    }
    if (p.bestBars > 0) bars = p.bestBars;
  }
  EXPECT_EQ(reports.back().stage, CutStage::Done);
  EXPECT_EQ(reports.back().fraction, 1);
  EXPECT_EQ(reports.back().bestBars, plan.totals.bars);
  EXPECT_EQ(reports.back().boundCost, 500);
}

}  // namespace
}  // namespace zelvik::cutting
