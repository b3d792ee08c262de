// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "weight/calculators.h"
#include "weight/density.h"
#include "weight/size_lists.h"

namespace zelvik::cli {

const char kWeightUsage[] = R"(  zelvik-cli weight CALC [options]
      Computes one calculator and prints the texts of its read-only fields.
  zelvik-cli weight --spec TEXT [--length L | --area A] [--quantity N] [options]
      Computes the calculator a spec string names, its size selected or its dimensions
      filled, as that calculator would; with --quantity also the weight of N pieces.
  zelvik-cli weight --spec TEXT --target-weight KG [--length L] [options]
      The length that weighs KG ({"length_mm": ...}), or with --length the pieces of that
      length it takes, rounded up, and their weight ({"pieces": ..., "weight": ...}).
)";

namespace {

CalcInputs ReadInputs(const CalcInfo& info, const ParsedArgs& args, const CustomRowSet& rows) {
  CalcInputs in;
  auto value = [&](const char* name) -> const std::string* {
    auto it = args.values.find(name);
    return it == args.values.end() ? nullptr : &it->second;
  };
  if (const auto* t = value("type")) {
    if (!info.typeList) throw UsageError(std::string(info.cliName) + " has no type list");
    in.type = ResolveItem("type", *t, TypeNames(info.id));
  }
  std::vector<std::string> names;
  for (auto& item : SizeItems(info.id, in.type, rows)) names.push_back(std::move(item.name));
  in.size = names.empty() ? -1 : 0;
  if (const auto* s = value("size")) {
    if (!info.sizeList) throw UsageError(std::string(info.cliName) + " has no size list");
    in.size = ResolveItem("size", *s, names);
  }
  struct Field {
    const char* name;
    unsigned bit;
    std::string CalcInputs::*member;
  };
  const Field fields[] = {
      {"length", kFieldLength, &CalcInputs::length}, {"width", kFieldWidth, &CalcInputs::width},
      {"thickness", kFieldThickness, &CalcInputs::thickness}, {"area", kFieldArea, &CalcInputs::area},
      {"outer", kFieldOuter, &CalcInputs::outer}, {"inner", kFieldInner, &CalcInputs::inner},
      {"wall", kFieldWall, &CalcInputs::wall},
  };
  for (const Field& f : fields) {
    if (const auto* v = value(f.name)) {
      if ((info.fields & f.bit) == 0) throw UsageError(std::string(info.cliName) + " has no field --" + f.name);
      in.*f.member = *v;
    }
  }
  if (const auto* m = value("mode")) {
    if (info.id != CalcId::kRoundPipe) throw UsageError(std::string(info.cliName) + " has no --mode");
    if (*m == "inner") {
      in.pipeMode = 0;
    } else if (*m == "wall") {
      in.pipeMode = 1;
    } else {
      throw UsageError("unknown mode '" + *m + "' (use inner or wall)");
    }
  }
  return in;
}

}  // namespace

int RunWeight(const std::vector<std::string>& args) {
  if (args.size() < 2) throw UsageError("weight needs a calculator name");
  if (args[1].rfind("--", 0) == 0) return RunWeightSpec(args);
  const CalcInfo& info = CalcByName(args[1]);
  const ParsedArgs opts = ParseOptions(args, 2,
                                       {"units", "decimals", "density", "config", "type", "size", "length", "width",
                                        "thickness", "area", "outer", "inner", "wall", "mode"},
                                       {});
  WeightSettings settings;
  if (auto it = opts.values.find("units"); it != opts.values.end()) settings.unitSystem = ParseUnits(it->second);
  if (auto it = opts.values.find("decimals"); it != opts.values.end()) {
    settings.decimals = ParseInt("decimals", it->second);
  }
  if (auto it = opts.values.find("density"); it != opts.values.end()) {
    settings.density = DensityFromFieldText(it->second);
  }
  const CustomRowSet rows = LoadRowsOption(opts);
  const CalcInputs in = ReadInputs(info, opts, rows);
  const CalcOutputs out = Compute(info.id, settings, in, rows);

  std::string json = "{\"calc\": " + JsonString(info.cliName);
  if (info.unitWeight) json += ", \"unit_weight\": " + JsonString(out.unitWeight.value_or(""));
  if (info.spec) json += ", \"spec\": " + JsonString(out.spec.value_or(""));
  json += ", \"weight\": " + JsonString(out.weight);
  if (info.lengthText) json += ", \"length_text\": " + JsonString(out.lengthText.value_or(in.length));
  std::cout << json << "}\n";
  return 0;
}

}  // namespace zelvik::cli
