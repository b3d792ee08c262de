// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "expr/eval_expression.h"
#include "json.h"
#include "options.h"
#include "spec/spec_parse.h"
#include "weight/calculators.h"
#include "weight/density.h"
#include "weight/format.h"
#include "weight/size_lists.h"

namespace zelvik::cli {

const char kSpecUsage[] = R"(  zelvik-cli spec TEXT [--density D] [--config FILE]
      Reads a spec string ("L50×5", "[20a", "Φ108×4", "-10×1500×6000", "M20"): the
      calculator, its type and size or the dimensions, the canonical text and the unit weight.
)";

namespace {

// Unreadable text: the error and the closest sizes on stdout, one line on stderr, exit 2.
[[noreturn]] void Unreadable(const SpecError& error) {
  std::string json = "{\"error\": " + JsonString(error.message) + ", \"candidates\": [";
  for (size_t i = 0; i < error.candidates.size(); ++i) json += (i ? ", " : "") + JsonString(error.candidates[i]);
  std::cout << json << "]}\n";
  throw UsageError(error.message);
}

ParsedSpec ReadSpec(const std::string& text, const CustomRowSet& rows) {
  auto read = ParseSpec(text, rows);
  if (const auto* error = std::get_if<SpecError>(&read)) Unreadable(*error);
  return std::get<ParsedSpec>(read);
}

double DensityOption(const ParsedArgs& opts) {
  const auto it = opts.values.find("density");
  return it == opts.values.end() ? kTableDensity : DensityFromFieldText(it->second);
}

// Six significant digits: enough for a nut's 0.05155 kg, without a double's last bits.
double Rounded(double value) {
  if (value == 0 || !std::isfinite(value)) return value;
  const double scale = std::pow(10.0, 5 - std::floor(std::log10(std::fabs(value))));
  return std::round(value * scale) / scale;
}

std::string DimsJson(const ParsedSpec& spec) {
  if (!spec.dims) return "null";
  const SpecDims& d = *spec.dims;
  const std::pair<const char*, double> members[] = {
      {"outer", d.outer},   {"wall", d.wall},   {"thickness", d.thickness},         {"width", d.width},
      {"length", d.length}, {"sheet_width", d.sheetWidth}, {"sheet_length", d.sheetLength},
  };
  std::string json = "{";
  for (const auto& [name, value] : members) {
    if (value == 0) continue;
    json += (json.size() > 1 ? ", " : "") + JsonFixedMember(name, value);
  }
  return json + "}";
}

// mm (mm² for the products weighed per m²) from a length or area field's value.
double FieldToMm(const ParsedSpec& spec, double value, int unitSystem) {
  if (spec.calc == CalcId::kWireRope) return value * 1000;  // its field is always in metres
  if (unitSystem == kUnitKgMm) return value;
  return value * (LengthIsArea(spec) ? 1e6 : 1e3);
}

// kg as the weight field shows it under the unit system.
std::string ShownWeight(double kg, const WeightSettings& s) {
  if (s.unitSystem == kUnitTM) return FormatWeight(kg / 1000, s.decimals);
  if (s.unitSystem == kUnitKgMm || s.unitSystem == kUnitKgM) return FormatWeight(kg, s.decimals);
  return FormatWeight(0, s.decimals);
}

}  // namespace

int RunSpec(const std::vector<std::string>& args) {
  if (args.size() < 2 || args[1].rfind("--", 0) == 0) throw UsageError("spec needs the text to read");
  const ParsedArgs opts = ParseOptions(args, 2, {"density", "config"}, {});
  const CustomRowSet rows = LoadRowsOption(opts);
  const ParsedSpec spec = ReadSpec(args[1], rows);
  const CalcInfo& info = GetCalcInfo(spec.calc);
  const UnitWeight unit = UnitWeightOf(spec, DensityOption(opts), rows);
  std::string json = "{\"calc\": " + JsonString(info.cliName) + ", \"type\": ";
  json += info.typeList ? JsonString(TypeNames(spec.calc).at(static_cast<size_t>(spec.type))) : "null";
  const auto size = LookupSize(spec.calc, spec.type, spec.size, rows);
  json += ", \"size\": " + (size ? JsonString(size->name) : std::string("null"));
  json += ", \"dims\": " + DimsJson(spec) + ", \"canonical\": " + JsonString(spec.canonical);
  json += ", " + JsonFixedMember("unit_weight", Rounded(unit.value)) + ", \"unit\": " + JsonString(unit.unit) + "}";
  std::cout << json << "\n";
  return 0;
}

int RunWeightSpec(const std::vector<std::string>& args) {
  const ParsedArgs opts = ParseOptions(args, 1,
                                       {"spec", "length", "area", "quantity", "target-weight", "units", "decimals",
                                        "density", "config"},
                                       {});
  auto value = [&](const char* name) -> const std::string* {
    const auto it = opts.values.find(name);
    return it == opts.values.end() ? nullptr : &it->second;
  };
  if (!value("spec")) throw UsageError("weight needs a calculator name or --spec");
  const CustomRowSet rows = LoadRowsOption(opts);
  const ParsedSpec spec = ReadSpec(*value("spec"), rows);
  WeightSettings settings;
  if (const auto* u = value("units")) settings.unitSystem = ParseUnits(*u);
  if (const auto* d = value("decimals")) settings.decimals = ParseInt("decimals", *d);
  settings.density = DensityOption(opts);

  const bool area = LengthIsArea(spec);
  const char* fieldName = area ? "area" : "length";
  if (value(area ? "length" : "area")) {
    throw UsageError(spec.canonical + (area ? " is weighed by area: use --area" : " is weighed by length: use --length"));
  }
  const std::string* field = value(fieldName);
  if (field && !TakesLength(spec)) throw UsageError(spec.canonical + " gives its own size: no --" + fieldName);
  const double fieldMm = field ? FieldToMm(spec, EvalExpression(*field), settings.unitSystem) : 0;
  std::string json = "{";

  if (const auto* target = value("target-weight")) {
    if (value("quantity")) throw UsageError("--target-weight and --quantity exclude each other");
    const double kg = EvalExpression(*target);
    if (!(kg > 0)) throw UsageError("--target-weight needs a weight above 0 kg, not '" + *target + "'");
    if (field || !TakesLength(spec)) {
      const auto pieces = PiecesFor(spec, kg, fieldMm, settings.density, rows);
      if (!pieces) throw RefusedError("a piece of " + spec.canonical + " weighs nothing");
      json += "\"pieces\": " + std::to_string(pieces->pieces) +
              ", \"weight\": " + JsonString(ShownWeight(pieces->weightKg, settings));
    } else {
      const auto length = LengthForWeight(spec, kg, settings.density, rows);
      if (!length) throw RefusedError("no length of " + spec.canonical + " weighs " + *target + " kg");
      json += JsonFixedMember(area ? "area_mm2" : "length_mm", std::round(*length * 1000) / 1000);
    }
    std::cout << json << "}\n";
    return 0;
  }

  CalcInputs in = InputsOf(spec, settings.unitSystem);
  if (field) (area ? in.area : in.length) = *field;
  const CalcInfo& info = GetCalcInfo(spec.calc);
  const CalcOutputs out = Compute(spec.calc, settings, in, rows);
  json += "\"calc\": " + JsonString(info.cliName) + ", \"canonical\": " + JsonString(spec.canonical);
  if (info.unitWeight) json += ", \"unit_weight\": " + JsonString(out.unitWeight.value_or(""));
  if (info.spec) json += ", \"spec\": " + JsonString(out.spec.value_or(""));
  json += ", \"weight\": " + JsonString(out.weight);
  if (const auto* q = value("quantity")) {
    const int quantity = ParseInt("quantity", *q);
    if (quantity < 1) throw UsageError("--quantity needs a count of 1 or more");
    const double piece = PieceWeightKg(spec, fieldMm, settings.density, rows);
    json += ", \"quantity\": " + std::to_string(quantity) +
            ", \"total\": " + JsonString(ShownWeight(piece * quantity, settings));
  }
  std::cout << json << "}\n";
  return 0;
}

}  // namespace zelvik::cli
