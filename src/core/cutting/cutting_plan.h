// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one-dimensional cutting plan: which stock bars to buy and how to cut them, with a lower
// bound that proves how far the plan can be from the best one. Lengths are millimetres with
// a resolution of 0.1 mm. Optimise() runs on the caller's thread: a window calls it on a
// worker thread, watches `progress` and asks it to stop through `stop`.
#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

namespace zelvik::cutting {

struct Piece {
  double length = 0;  // mm
  int quantity = 0;
  std::string label;
};

struct Stock {
  double length = 0;             // mm
  std::optional<int> available;  // bars on hand; none: as many as needed
  std::optional<double> price;   // per bar; given for every stock length or for none
};

struct CutRequest {
  std::vector<Piece> pieces;
  std::vector<Stock> stocks;
  double kerf = 3;        // between neighbouring pieces, and before an offcut that remains
  double trim = 0;        // given up at each bar end, the cut included
  double keepMin = 0;     // shortest offcut worth keeping; 0 keeps none
  double unitWeight = 0;  // kg/m; 0 when unknown
};

enum class CutStage { Start, FirstFit, Bound, Rounding, Diving, Improving, Done };

struct CutProgress {
  CutStage stage = CutStage::Start;
  double elapsedSeconds = 0;
  double fraction = 0;    // of the time limit used, or 1 when done
  int bestBars = 0;       // of the best plan so far; 0 before the first
  double bestCost = 0;    // its objective: stock mm bought, or money with prices
  double boundCost = 0;   // the lower bound on that objective so far
};

struct CutOptions {
  std::chrono::milliseconds timeLimit{2000};
  std::stop_token stop;                                  // a stop request returns the best plan so far
  std::function<void(const CutProgress&)> progress;      // called on the optimiser's thread
};

struct PlacedPiece {
  double length = 0;
  double position = 0;  // of the piece's start, from the bar's start (the trim included)
  int piece = 0;        // index into CutRequest::pieces
};

struct Bar {
  int stock = 0;  // index into CutRequest::stocks
  double stockLength = 0;
  std::vector<PlacedPiece> pieces;  // in cutting order
  double offcut = 0;  // what remains after the last piece and its cut; 0 when none
  bool kept = false;  // offcut >= keepMin
};

// Bars cut alike, for drawing and the saw: the same stock and the same lengths in order.
struct Pattern {
  int stock = 0;
  double stockLength = 0;
  std::vector<double> cuts;
  double offcut = 0;
  bool kept = false;
  int count = 0;
  std::vector<int> bars;  // indices into CutPlan::bars
};

struct StockTotal {
  int stock = 0;
  double stockLength = 0;
  int bars = 0;
};

struct CutTotals {
  std::vector<StockTotal> perStock;  // stock lengths used, in the request's order
  int bars = 0;
  double stockMm = 0;   // bought
  double usedMm = 0;    // in pieces
  double keptMm = 0;    // in kept offcuts
  double scrapMm = 0;   // the rest: kerf, trim, offcuts not kept
  double scrapShare = 0;  // scrapMm / stockMm
  std::optional<double> weightKg;  // of the stock bought
  std::optional<double> cost;
};

struct CutBound {
  int bars = 0;         // no plan needs fewer bars
  double stockMm = 0;   // no plan buys less stock
  std::optional<double> cost;  // with prices: no plan costs less
  bool fromLp = false;  // the linear relaxation was solved to the end
};

struct CutPlan {
  std::vector<Bar> bars;
  std::vector<Pattern> patterns;
  CutTotals totals;
  CutBound bound;
  bool optimal = false;  // the plan meets the bound on its objective
  bool stopped = false;  // the time limit or a stop request ended the search
  double seconds = 0;
};

enum class CutErrorKind {
  NoPieces,          // nothing to cut
  NoStock,           // no stock length
  BadNumber,         // a length, quantity, kerf, trim, price or count out of range
  MixedPrices,       // a price for some stock lengths only
  NoRoom,            // kerf and trim leave no usable length on any stock
  PieceTooLong,      // a piece longer than every usable stock length
  NotEnoughStock,    // the stock available cannot hold the pieces
  NoPlanFound,       // the optimiser found no plan within the stock available before it stopped
};

class CutError : public std::runtime_error {
 public:
  CutError(CutErrorKind kind, const std::string& message, int index = -1)
      : std::runtime_error(message), kind_(kind), index_(index) {}
  CutErrorKind kind() const { return kind_; }
  int index() const { return index_; }  // the piece or stock concerned, or -1

 private:
  CutErrorKind kind_;
  int index_;
};

// The plan with the least stock length (with prices: least cost), then the fewest bars,
// then the longest kept offcuts that it finds within the time limit. Throws CutError.
CutPlan Optimise(const CutRequest& request, const CutOptions& options = {});

}  // namespace zelvik::cutting
