// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "cutting/cutting_plan.h"
#include "cutting/pieces_csv.h"
#include "json.h"
#include "list_pdf.h"
#include "options.h"
#include "spec/spec_parse.h"
#include "weight/density.h"

namespace zelvik::cli {

const char kCutUsage[] = R"(  zelvik-cli cut --stock L[:COUNT[:PRICE]],... --kerf K [--trim T] [--keep MIN] [--time-limit S] [--spec TEXT [--density D] | --unit-weight Q] [--pdf OUT] --piece L:QTY[:LABEL] ...
  zelvik-cli cut --stock L[:COUNT[:PRICE]],... --kerf K [--trim T] [--keep MIN] [--time-limit S] [--spec TEXT [--density D] | --unit-weight Q] [--pdf OUT] --pieces FILE
      Plans which stock bars to buy and how to cut the pieces from them: least stock length
      (with prices: least cost), then fewest bars, then longest kept offcuts. Lengths in mm
      to 0.1 mm. COUNT limits the bars of a stock length (empty: no limit); PRICE is per bar,
      for every stock length or none. K is the saw kerf, T the trim at each bar end, MIN the
      shortest offcut kept (default 0: none kept), S the time limit in seconds (default 2),
      TEXT a spec string of a product sold by length ("L50×5", "[20a", "Φ108×4") whose unit
      weight at D t/m³ (default 7.85) weighs the stock, Q a unit weight in kg/m. --piece may be repeated; FILE is CSV with the columns
      长度,数量[,标签] (or length,quantity,label). Prints the bars, the patterns, the totals,
      the lower bound and whether the plan is optimal; exits 1 when no plan is possible.
      OUT receives the plan's A4 sheet as the window prints it: the drawing and the saw's
      table of every pattern.
)";

namespace {

double Number(const std::string& what, const std::string& text, bool allowZero) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto res = std::from_chars(text.data(), end, value);
  if (text.empty() || res.ec != std::errc() || res.ptr != end || !std::isfinite(value) || value < 0 ||
      (!allowZero && value == 0)) {
    throw UsageError(what + " must be a number " + (allowZero ? "of 0 or more" : "above 0") + ", not '" + text + "'");
  }
  return value;
}

int Count(const std::string& what, const std::string& text, int low) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto res = std::from_chars(text.data(), end, value);
  if (text.empty() || res.ec != std::errc() || res.ptr != end || value < low) {
    throw UsageError(what + " must be a whole number of " + std::to_string(low) + " or more, not '" + text + "'");
  }
  return value;
}

std::vector<std::string> Split(const std::string& text, char sep, size_t maxParts) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (;;) {
    const size_t at = parts.size() + 1 < maxParts ? text.find(sep, from) : std::string::npos;
    parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

std::vector<cutting::Stock> ParseStocks(const std::string& text) {
  std::vector<cutting::Stock> stocks;
  for (const std::string& item : Split(text, ',', std::string::npos)) {
    const auto parts = Split(item, ':', std::string::npos);
    if (parts.size() > 3) throw UsageError("a stock is L[:COUNT[:PRICE]], not '" + item + "'");
    cutting::Stock s;
    s.length = Number("the stock length", parts[0], false);
    if (parts.size() > 1 && !parts[1].empty()) s.available = Count("the number of bars", parts[1], 0);
    if (parts.size() > 2) s.price = Number("the price", parts[2], true);
    stocks.push_back(s);
  }
  return stocks;
}

cutting::Piece ParsePiece(const std::string& text) {
  const auto parts = Split(text, ':', 3);
  if (parts.size() < 2) throw UsageError("a piece is L:QTY[:LABEL], not '" + text + "'");
  return {Number("the piece length", parts[0], false), Count("the quantity", parts[1], 1),
          parts.size() > 2 ? parts[2] : std::string()};
}

std::vector<cutting::Piece> ReadPiecesFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw UsageError("cannot read '" + path + "'");
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  try {
    return cutting::ReadPiecesCsv(text);
  } catch (const cutting::PiecesCsvError& e) {
    throw UsageError(path + ": " + e.what());
  }
}

std::string Cuts(const std::vector<double>& cuts) {
  std::string json = "[";
  for (size_t i = 0; i < cuts.size(); ++i) json += (i ? ", " : "") + JsonNumber(cuts[i]);
  return json + "]";
}

std::string PlanJson(const cutting::CutPlan& plan) {
  std::ostringstream out;
  out << "{\"bars\": [";
  for (size_t i = 0; i < plan.bars.size(); ++i) {
    const cutting::Bar& bar = plan.bars[i];
    std::vector<double> cuts;
    for (const auto& p : bar.pieces) cuts.push_back(p.length);
    out << (i ? ", " : "") << "{\"stock\": " << JsonNumber(bar.stockLength) << ", \"cuts\": " << Cuts(cuts)
        << ", \"offcut\": " << JsonNumber(bar.offcut) << ", \"kept\": " << (bar.kept ? "true" : "false") << "}";
  }
  out << "], \"patterns\": [";
  for (size_t i = 0; i < plan.patterns.size(); ++i) {
    const cutting::Pattern& p = plan.patterns[i];
    out << (i ? ", " : "") << "{\"stock\": " << JsonNumber(p.stockLength) << ", \"cuts\": " << Cuts(p.cuts)
        << ", \"count\": " << p.count << "}";
  }
  // Two entries of one length (bars on hand and bars to order) count together.
  std::map<double, int> perLength;
  for (const auto& t : plan.totals.perStock) perLength[t.stockLength] += t.bars;
  out << "], \"totals\": {\"bars\": {";
  bool first = true;
  for (const auto& [length, bars] : perLength) {
    out << (first ? "" : ", ") << JsonString(JsonNumber(length)) << ": " << bars;
    first = false;
  }
  const cutting::CutTotals& t = plan.totals;
  out << "}, \"stock_mm\": " << JsonNumber(t.stockMm) << ", \"used_mm\": " << JsonNumber(t.usedMm)
      << ", \"scrap_mm\": " << JsonNumber(t.scrapMm) << ", \"kept_mm\": " << JsonNumber(t.keptMm) << "}";
  out << ", \"lower_bound\": {\"bars\": " << plan.bound.bars << ", \"stock_mm\": " << JsonNumber(plan.bound.stockMm)
      << ", \"cost\": " << (plan.bound.cost ? JsonNumber(*plan.bound.cost) : "null") << "}";
  out << ", \"optimal\": " << (plan.optimal ? "true" : "false");
  out << ", \"weight_kg\": " << (t.weightKg ? JsonNumber(std::round(*t.weightKg * 1000) / 1000) : "null");
  out << ", \"cost\": " << (t.cost ? JsonNumber(std::round(*t.cost * 100) / 100) : "null") << "}";
  return out.str();
}

// kg/m of a product cut from bars; what is not sold by length cannot be planned here.
double UnitWeightOfSpec(const std::string& text, const std::string* densityText, std::string* canonical) {
  const double density = densityText ? DensityFromFieldText(*densityText) : kTableDensity;
  if (!(density > 0)) throw UsageError("--density must be a number above 0");
  auto read = ParseSpec(text);
  if (const auto* error = std::get_if<SpecError>(&read)) throw UsageError("--spec: " + error->message);
  const ParsedSpec& spec = std::get<ParsedSpec>(read);
  if (!TakesLength(spec) || LengthIsArea(spec)) {
    throw UsageError("--spec: " + spec.canonical + " is not cut from bars by length");
  }
  *canonical = spec.canonical;
  return PieceWeightKg(spec, 1000, density);
}

}  // namespace

int RunCut(const std::vector<std::string>& args) {
  // --piece may be given many times; everything else is an ordinary option.
  std::vector<std::string> rest{args[0]};
  std::vector<std::string> pieceTexts;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--piece") {
      if (i + 1 >= args.size()) throw UsageError("option '--piece' needs a value");
      pieceTexts.push_back(args[++i]);
    } else if (args[i].rfind("--piece=", 0) == 0) {
      pieceTexts.push_back(args[i].substr(8));
    } else {
      rest.push_back(args[i]);
    }
  }
  const ParsedArgs opts =
      ParseOptions(rest, 1, {"stock", "kerf", "trim", "keep", "time-limit", "unit-weight", "spec", "density", "pieces", "pdf"}, {});
  auto value = [&](const std::string& name) -> const std::string* {
    auto it = opts.values.find(name);
    return it == opts.values.end() ? nullptr : &it->second;
  };
  if (!value("stock")) throw UsageError("option '--stock' is required");
  if (!value("kerf")) throw UsageError("option '--kerf' is required");
  if (pieceTexts.empty() == !value("pieces")) throw UsageError("give either --piece or --pieces");

  cutting::CutRequest request;
  request.stocks = ParseStocks(*value("stock"));
  request.kerf = Number("--kerf", *value("kerf"), true);
  if (auto v = value("trim")) request.trim = Number("--trim", *v, true);
  if (auto v = value("keep")) request.keepMin = Number("--keep", *v, true);
  if (value("spec") && value("unit-weight")) throw UsageError("give either --spec or --unit-weight");
  if (value("density") && !value("spec")) throw UsageError("--density goes with --spec");
  if (auto v = value("unit-weight")) request.unitWeight = Number("--unit-weight", *v, true);
  std::string spec;
  if (auto v = value("spec")) request.unitWeight = UnitWeightOfSpec(*v, value("density"), &spec);
  if (value("pdf") && !PdfAvailable()) throw UsageError("--pdf: this zelvik-cli was built without PDF output");
  cutting::CutOptions options;
  if (auto v = value("time-limit")) {
    const double s = Number("--time-limit", *v, false);
    if (s > 3600) throw UsageError("--time-limit must be at most 3600 seconds");
    options.timeLimit = std::chrono::milliseconds(std::max<long long>(1, std::llround(s * 1000)));
  }
  if (auto v = value("pieces")) {
    request.pieces = ReadPiecesFile(*v);
  } else {
    for (const std::string& p : pieceTexts) request.pieces.push_back(ParsePiece(p));
  }

  try {
    const cutting::CutPlan plan = cutting::Optimise(request, options);
    if (auto out = value("pdf")) {
      if (auto failed = WriteCutPdfFile(request, plan, spec, *out)) throw RefusedError(*failed);
    }
    std::cout << PlanJson(plan) << "\n";
  } catch (const cutting::CutError& e) {
    // What the arguments say wrongly is bad usage; a job no stock can serve is refused.
    switch (e.kind()) {
      case cutting::CutErrorKind::BadNumber:
      case cutting::CutErrorKind::MixedPrices:
      case cutting::CutErrorKind::NoPieces:
      case cutting::CutErrorKind::NoStock:
        throw UsageError(e.what());
      default:
        throw RefusedError(e.what());
    }
  }
  return 0;
}

}  // namespace zelvik::cli
