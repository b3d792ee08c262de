// zelvik-cli: the calculation core for scripts and checks. JSON on stdout; bad usage
// exits 2 with one line on stderr.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "expr/eval_expression.h"
#include "json.h"
#include "options.h"
#include "weight/calculators.h"
#include "weight/density.h"
#include "weight/size_lists.h"

namespace zelvik::cli {
namespace {

constexpr const char* kUsage = R"(Usage:
  zelvik-cli eval TEXT
      Evaluates an arithmetic expression as the calculators read their fields.
      Prints {"value": V}.
  zelvik-cli weight CALC [options]
      Computes one calculator and prints the texts of its read-only fields.
  zelvik-cli sizes CALC [--type T] [--config FILE]
      Prints the size list of a calculator (for the given type).
  zelvik-cli sizes CALC --types
      Prints the type list of a two-level calculator.
  zelvik-cli --help

Calculators:
  plate1 plate2 hot-angle round-pipe hot-channel i-beam square-tube welded-pipe
  fastener ht-section plate-mesh wire-rope hex-bar oct-bar rebar cold-angle
  cold-channel cold-z

Options of weight:
  --units U        0, 1, 2, "kg;mm", "kg;m" or "t;m" (default 0)
  --decimals N     decimal places of the weight (default 2)
  --density TEXT   density in t/m3 as the density field reads it (default 7.85)
  --config FILE    append the user-defined sizes of that ConfigMW.ini to the lists
  --type T         first-level list item: its text, #N (zero-based) or #-1 (none)
  --size S         size list item: its text, #N or #-1 (default: the first item)
  --length, --width, --thickness, --area, --outer, --inner, --wall TEXT
                   field texts, read as expressions (default empty)
  --mode inner|wall   round-pipe: inner-diameter or wall-thickness mode
)";

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

int RunEval(const std::vector<std::string>& args) {
  if (args.size() != 2) throw UsageError("eval needs exactly one TEXT argument");
  std::cout << "{\"value\": " << JsonNumber17(EvalExpression(args[1])) << "}\n";
  return 0;
}

int RunWeight(const std::vector<std::string>& args) {
  if (args.size() < 2) throw UsageError("weight needs a calculator name");
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

int RunSizes(const std::vector<std::string>& args) {
  if (args.size() < 2) throw UsageError("sizes needs a calculator name");
  const CalcInfo& info = CalcByName(args[1]);
  const ParsedArgs opts = ParseOptions(args, 2, {"type", "config"}, {"types"});
  const bool types = !opts.flags.empty();
  if ((types || opts.values.count("type")) && !info.typeList) {
    throw UsageError(std::string(info.cliName) + " has no type list");
  }
  std::string json = "[";
  if (types) {
    if (opts.values.count("type")) throw UsageError("--types and --type exclude each other");
    const auto names = TypeNames(info.id);
    for (size_t i = 0; i < names.size(); ++i) json += (i ? ", " : "") + JsonString(names[i]);
  } else {
    const CustomRowSet rows = LoadRowsOption(opts);
    int type = 0;
    if (auto it = opts.values.find("type"); it != opts.values.end()) {
      type = ResolveItem("type", it->second, TypeNames(info.id));
    }
    const bool pins = info.id == CalcId::kFastener && type == 70;
    const auto items = SizeItems(info.id, type, rows);
    for (size_t i = 0; i < items.size(); ++i) {
      json += i ? ", " : "";
      json += "{\"name\": " + JsonString(items[i].name) + ", \"value\": " + JsonNumber(items[i].value);
      if (pins) json += ", \"per_mm\": " + JsonNumber(items[i].perMm);
      json += "}";
    }
  }
  std::cout << json << "]\n";
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("missing command (try --help)");
  const std::string& cmd = args[0];
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (cmd == "eval") return RunEval(args);
  if (cmd == "weight") return RunWeight(args);
  if (cmd == "sizes") return RunSizes(args);
  throw UsageError("unknown command '" + cmd + "' (try --help)");
}

}  // namespace
}  // namespace zelvik::cli

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return zelvik::cli::Run(args);
  } catch (const zelvik::cli::UsageError& e) {
    std::cerr << "zelvik-cli: " << e.what() << "\n";
    return 2;
  }
}
