// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <time.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "json.h"
#include "list/list_document.h"
#include "list/list_store.h"
#include "list_pdf.h"
#include "list_xlsx.h"
#include "options.h"
#include "util/atomic_file.h"

namespace zelvik::cli {

const char kListUsage[] = R"(  zelvik-cli list FILE [--format json|csv|xlsx|pdf] [--out FILE] [--units U] [--decimals N] [--customer TEXT] [--project TEXT]
      Reads a materials list file (CSV, UTF-8 or GBK, columns by name) as the list window
      opens it. json (the default) prints its rows, totals and summary with unrounded
      numbers; csv, xlsx and pdf write the files the window writes, to --out (json and csv
      print to standard output without it). --units and --decimals set how lengths and
      weights show in those files; --customer and --project fill the printed header. A row
      that cannot be read exits 2 naming its line and the reason; nothing is written then.
)";

namespace {

std::string Today() {
  const time_t now = time(nullptr);
  struct tm local;
  char buf[16] = "";
  if (localtime_r(&now, &local)) strftime(buf, sizeof buf, "%Y-%m-%d", &local);
  return buf;
}

std::string RowJson(const ListRow& row, std::size_t index) {
  const RowFigures f = ComputeRow(row);
  std::string j = "{\"no\": " + std::to_string(index + 1);
  j += ", \"calc\": " + JsonString(row.item.calc);
  j += ", \"product\": " + JsonString(row.item.product);
  j += ", \"spec\": " + JsonString(row.item.spec);
  j += ", \"material\": " + JsonString(row.material);
  j += row.item.takesLength ? ", " + JsonNumberMember("length_mm", row.lengthMm) : ", \"length_mm\": null";
  j += ", \"quantity\": " + std::to_string(row.quantity);
  j += ", " + JsonNumberMember("unit_weight", row.item.unitWeight);
  j += ", \"unit\": " + JsonString(row.item.unit);
  j += ", " + JsonNumberMember("piece_kg", f.pieceKg);
  j += ", " + JsonNumberMember("total_kg", f.totalKg);
  j += ", " + JsonNumberMember("price", row.price);
  j += ", \"price_unit\": " + JsonString(PriceBasisText(row.basis));
  j += ", " + JsonNumberMember("amount", f.amount);
  j += ", \"note\": " + JsonString(row.note);
  return j + "}";
}

std::string ListJson(std::span<const ListRow> rows) {
  std::string j = "{\"rows\": [";
  for (std::size_t i = 0; i < rows.size(); ++i) j += (i ? ",\n  " : "\n  ") + RowJson(rows[i], i);
  const ListTotals t = ComputeTotals(rows);
  j += rows.empty() ? "],\n" : "\n],\n";
  j += "\"totals\": {\"pieces\": " + std::to_string(t.pieces) + ", " + JsonNumberMember("total_kg", t.totalKg) + ", " +
       JsonNumberMember("total_t", t.totalT) + ", " + JsonNumberMember("amount", t.amount) + "},\n";
  j += "\"summary\": [";
  const std::vector<SummaryLine> summary = Summarize(rows);
  for (std::size_t i = 0; i < summary.size(); ++i) {
    const SummaryLine& s = summary[i];
    j += (i ? ",\n  " : "\n  ");
    j += "{\"product\": " + JsonString(s.product) + ", \"spec\": " + JsonString(s.spec) +
         ", \"material\": " + JsonString(s.material) + ", \"pieces\": " + std::to_string(s.pieces) + ", " +
         JsonNumberMember("length_m", s.lengthM) + ", " + JsonNumberMember("total_kg", s.totalKg) + ", " +
         JsonNumberMember("amount", s.amount) + "}";
  }
  return j + (summary.empty() ? "]}\n" : "\n]}\n");
}

void WriteText(const std::string& out, const std::string& text) {
  if (out.empty()) {
    std::cout << text;
    return;
  }
  // Whole or not at all, as the list file is written.
  const std::filesystem::path target = WriteTarget(out);
  struct stat old;
  const bool exists = stat(target.c_str(), &old) == 0;
  if ((exists && !S_ISREG(old.st_mode)) || !ReplaceAtomically(target, text, exists ? &old : nullptr)) {
    throw RefusedError("cannot write '" + out + "'");
  }
}

}  // namespace

int RunList(const std::vector<std::string>& args) {
  const SplitArgs split =
      SplitPositional(args, {"format", "out", "units", "decimals", "customer", "project"});
  if (split.positional.size() != 1) throw UsageError("list takes one FILE");
  const ParsedArgs& opts = split.options;
  auto value = [&](const char* name) {
    auto it = opts.values.find(name);
    return it == opts.values.end() ? std::string() : it->second;
  };
  const std::string format = opts.values.count("format") ? value("format") : "json";
  if (format != "json" && format != "csv" && format != "xlsx" && format != "pdf") {
    throw UsageError("unknown format '" + format + "' (use json, csv, xlsx or pdf)");
  }
  const std::string out = value("out");
  if ((format == "xlsx" || format == "pdf") && out.empty()) throw UsageError(format + " needs --out FILE");
  if (format == "pdf" && !PdfAvailable()) {
    throw UsageError("pdf needs the program built with its Qt print library (ZELVIK_BUILD_UI=ON)");
  }
  ListDisplay display;
  display.decimals = IntInRange(opts, "decimals", 0, 9, 2);
  if (opts.values.count("units")) {
    display.unitSystem = ParseUnits(value("units"));
    if (display.unitSystem < 0 || display.unitSystem >= kUnitSystemCount) {
      throw UsageError("unknown unit system '" + value("units") + "'");
    }
  }

  const std::string& file = split.positional[0];
  const auto resolver = MakeSpecResolver();
  ListFileResult read = ReadListFile(file, *resolver);
  if (const auto* problem = std::get_if<ListFileProblem>(&read)) {
    if (problem->line == 0) throw UsageError(file + ": " + problem->reason);
    throw UsageError(file + ": line " + std::to_string(problem->line) + ": " + problem->reason);
  }
  const std::vector<ListRow>& rows = std::get<std::vector<ListRow>>(read);

  if (format == "json") {
    WriteText(out, ListJson(rows));
  } else if (format == "csv") {
    if (out.empty()) {
      std::cout << WriteListCsv(rows, display.decimals);
    } else if (!WriteListFile(out, rows, display.decimals)) {
      throw RefusedError("cannot write '" + out + "'");
    }
  } else {
    const ListDocument doc = MakeListDocument(rows, display, {Today(), value("customer"), value("project")});
    const auto failed = format == "xlsx" ? WriteListXlsx(doc, out) : WriteListPdfFile(doc, out);
    if (failed) throw RefusedError(*failed);
  }
  return 0;
}

}  // namespace zelvik::cli
