// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/instance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <string>

namespace zelvik::cutting::detail {
namespace {

constexpr double kMaxLengthMm = 1e5;  // 100 m: keeps the knapsack tables within a few megabytes
constexpr long long kMaxPieces = 20000;

std::string Mm(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  std::string s = buf;
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
  return s;
}

// A length in tenths of a millimetre; more decimals than that are refused, not rounded away.
int64_t Tenths(double mm, const std::string& what, bool allowZero, int index) {
  if (!std::isfinite(mm) || mm < 0 || (!allowZero && mm == 0) || mm > kMaxLengthMm) {
    throw CutError(CutErrorKind::BadNumber, what + " must be " + (allowZero ? "0 or more" : "more than 0") +
                                                " and at most 100000 mm, not " + Mm(mm),
                   index);
  }
  const double scaled = mm * 10;
  const double rounded = std::round(scaled);
  if (std::fabs(scaled - rounded) > 1e-6 * std::max(1.0, rounded)) {
    throw CutError(CutErrorKind::BadNumber, what + " has more than one decimal place", index);
  }
  return static_cast<int64_t>(rounded);
}

}  // namespace

bool Score::BetterThan(const Score& o) const {
  if (cost < o.cost - kCostEps * std::max(1.0, std::fabs(o.cost))) return true;
  if (cost > o.cost + kCostEps * std::max(1.0, std::fabs(o.cost))) return false;
  if (bars != o.bars) return bars < o.bars;
  return kept > o.kept;
}

Instance BuildInstance(const CutRequest& request, std::vector<int>* typeOf) {
  if (request.pieces.empty()) throw CutError(CutErrorKind::NoPieces, "no pieces to cut");
  if (request.stocks.empty()) throw CutError(CutErrorKind::NoStock, "no stock length given");
  const int64_t kerf = Tenths(request.kerf, "the kerf", true, -1);
  const int64_t trim = Tenths(request.trim, "the trim", true, -1);
  if (!std::isfinite(request.keepMin) || request.keepMin < 0) {
    throw CutError(CutErrorKind::BadNumber, "the shortest kept offcut must be 0 or more");
  }
  if (!std::isfinite(request.unitWeight) || request.unitWeight < 0) {
    throw CutError(CutErrorKind::BadNumber, "the unit weight must be 0 or more");
  }

  Instance in;
  int priced = 0;
  std::vector<int64_t> usable;
  for (size_t s = 0; s < request.stocks.size(); ++s) {
    const Stock& st = request.stocks[s];
    const int index = static_cast<int>(s);
    const int64_t length = Tenths(st.length, "stock length " + Mm(st.length), false, index);
    if (st.available && *st.available < 0) {
      throw CutError(CutErrorKind::BadNumber, "the number of bars of " + Mm(st.length) + " must be 0 or more", index);
    }
    if (st.price) {
      if (!std::isfinite(*st.price) || *st.price < 0) {
        throw CutError(CutErrorKind::BadNumber, "the price of " + Mm(st.length) + " must be 0 or more", index);
      }
      ++priced;
    }
    usable.push_back(std::max<int64_t>(0, length - 2 * trim));
    in.limit.push_back(st.available ? *st.available : kUnlimited);
    in.cost.push_back(st.price ? *st.price : st.length);
  }
  if (priced != 0 && priced != static_cast<int>(request.stocks.size())) {
    throw CutError(CutErrorKind::MixedPrices, "give a price for every stock length or for none");
  }
  in.priced = priced != 0;
  const int64_t longest = *std::max_element(usable.begin(), usable.end());
  if (longest == 0) throw CutError(CutErrorKind::NoRoom, "the trim leaves no usable length on any stock length");

  std::map<int64_t, int, std::greater<>> byLength;  // tenths -> quantity
  std::vector<int64_t> pieceTenths;
  long long total = 0;
  for (size_t p = 0; p < request.pieces.size(); ++p) {
    const Piece& pc = request.pieces[p];
    const int index = static_cast<int>(p);
    const int64_t length = Tenths(pc.length, "piece length " + Mm(pc.length), false, index);
    if (pc.quantity < 1) {
      throw CutError(CutErrorKind::BadNumber, "the quantity of piece " + Mm(pc.length) + " must be 1 or more", index);
    }
    total += pc.quantity;
    if (total > kMaxPieces) throw CutError(CutErrorKind::BadNumber, "more than 20000 pieces", index);
    if (length > longest) {
      throw CutError(CutErrorKind::PieceTooLong,
                     "piece " + Mm(pc.length) + " is longer than every stock length after the trim (" +
                         Mm(static_cast<double>(longest) / 10) + ")",
                     index);
    }
    pieceTenths.push_back(length);
    byLength[length] += pc.quantity;
  }

  // The coarsest grid all lengths lie on keeps the knapsack tables small.
  int64_t g = kerf;
  for (const auto& [length, qty] : byLength) g = std::gcd(g, length);
  for (int64_t u : usable) g = std::gcd(g, u);
  g = std::max<int64_t>(g, 1);
  in.unitMm = static_cast<double>(g) / 10;
  in.kerf = kerf / g;
  const int64_t keepTenths = static_cast<int64_t>(std::ceil(request.keepMin * 10 - 1e-6));
  in.keepMin = keepTenths <= 0 ? 0 : (keepTenths + g - 1) / g;
  for (int64_t u : usable) in.cap.push_back(u == 0 ? 0 : (u + kerf) / g);

  std::map<int64_t, int> typeIndex;
  for (const auto& [length, qty] : byLength) {
    typeIndex[length] = in.types();
    in.size.push_back((length + kerf) / g);
    in.demand.push_back(qty);
  }
  in.items = static_cast<int>(total);
  if (typeOf) {
    typeOf->clear();
    for (int64_t t : pieceTenths) typeOf->push_back(typeIndex[t]);
  }
  return in;
}

int64_t Offcut(const Instance& in, const Bin& bin) {
  // The slack is what the pieces and the kerfs between them leave; an offcut needs its own cut.
  const int64_t slack = in.cap[bin.stock] - bin.load;
  return slack > in.kerf ? slack - in.kerf : 0;
}

Score Evaluate(const Instance& in, const Packing& packing) {
  Score score;
  score.cost = 0;
  for (const Bin& bin : packing) {
    score.cost += in.cost[bin.stock];
    ++score.bars;
    const int64_t offcut = Offcut(in, bin);
    if (in.keepMin > 0 && offcut >= in.keepMin) score.kept += offcut;
  }
  return score;
}

bool IsValid(const Instance& in, const Packing& packing) {
  std::vector<int> count(in.types(), 0);
  std::vector<int> used(in.stocks(), 0);
  for (const Bin& bin : packing) {
    if (bin.stock < 0 || bin.stock >= in.stocks() || bin.items.empty()) return false;
    int64_t load = 0;
    for (int t : bin.items) {
      if (t < 0 || t >= in.types()) return false;
      load += in.size[t];
      ++count[t];
    }
    if (load != bin.load || load > in.cap[bin.stock]) return false;
    ++used[bin.stock];
  }
  for (int s = 0; s < in.stocks(); ++s) {
    if (used[s] > in.limit[s]) return false;
  }
  return count == in.demand;
}

}  // namespace zelvik::cutting::detail
