// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/weighed_row.h"

#include <cmath>

#include "expr/eval_expression.h"
#include "list/list_fields.h"
#include "spec/spec_parse.h"
#include "spec/spec_text.h"
#include "weight/calculators.h"
#include "weight/registry.h"
#include "weight/size_lists.h"

namespace zelvik {

namespace {

double Value(const std::string& text) {
  const double v = EvalExpression(text);
  return std::isfinite(v) ? v : 0;
}

double LongToMm(double value, int unitSystem) { return unitSystem == kUnitKgMm ? value : value * 1000; }

// Fields convert between m and mm and divide diameters, which leaves binary noise
// ("1100.0000000000002"); a micrometre is finer than any drawing. Spec strings read
// numbers of at most twelve characters.
std::string Dim(double mm) {
  std::string text = FormatRounded(mm, 6);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

const std::string kTimes(spec::kTimes);

// A row counts pieces: what is weighed by its area alone is no piece.
std::string AreaOnly(const std::string& spec) {
  return "按面积计重，清单的行要有板面的宽×长：请在规格栏写如 \"" + spec + "×1500×6000\"";
}

std::variant<WeighedSpec, std::string> RoundSpec(const CalcInputs& in, std::string length) {
  const double outer = Value(in.outer);
  if (!(outer > 0)) return std::string("外径须大于 0");
  std::string spec = "Φ" + Dim(outer);
  if (in.pipeMode == 0) {
    const double inner = Value(in.inner);
    if (inner < 0 || inner >= outer) return std::string("内径须小于外径");
    if (inner > 0) spec += kTimes + Dim((outer - inner) / 2);
  } else if (in.wall != "r") {
    spec += kTimes + Dim(Value(in.wall));  // the parser refuses a wall of 0 or over half
  }
  return WeighedSpec{spec, std::move(length)};
}

// The list's own size, or a user-defined one behind the built-in sizes.
std::string SizeSpec(const CalcInfo& info, const CalcInputs& in, const CustomRowSet& rows) {
  const int builtIn = info.typeList ? -1 : BuiltInCount(info.id);
  if (info.customKind >= 0 && builtIn >= 0 && in.size >= builtIn) {
    const auto& own = rows[static_cast<std::size_t>(info.customKind)];
    const auto at = static_cast<std::size_t>(in.size - builtIn);
    return at < own.size() ? info.specText.prefix + own[at].model : std::string();
  }
  const auto spec = SpecOfSize(info.id, info.typeList ? in.type : -1, in.size);
  return spec ? spec->canonical : std::string();
}

}  // namespace

std::variant<WeighedSpec, std::string> SpecOfWeighing(const Weighing& weighing, const CustomRowSet& rows) {
  const CalcInputs& in = weighing.inputs;
  const int unit = weighing.settings.unitSystem;
  // The rope's length field is in metres whatever the unit system.
  const double lengthMm = weighing.calc == CalcId::kWireRope ? Value(in.length) * 1000 : LongToMm(Value(in.length), unit);
  const std::string length = lengthMm > 0 ? Dim(lengthMm) : std::string();
  switch (weighing.calc) {
    case CalcId::kPlate1: {
      const double width = LongToMm(Value(in.width), unit);
      const double thickness = Value(in.thickness);
      if (!(thickness > 0 && width > 0 && lengthMm > 0)) return std::string("钢板的长、宽、厚须大于 0");
      return WeighedSpec{"-" + Dim(thickness) + kTimes + Dim(width) + kTimes + Dim(lengthMm), {}};
    }
    case CalcId::kPlate2: {
      const double thickness = Value(in.thickness);
      return AreaOnly("-" + Dim(thickness > 0 ? thickness : 10));
    }
    case CalcId::kRoundPipe:
      return RoundSpec(in, length);
    default:
      break;
  }
  const CalcInfo& info = GetCalcInfo(weighing.calc);
  const std::string spec = SizeSpec(info, in, rows);
  if (spec.empty()) return std::string("没有选择规格");
  if (weighing.calc == CalcId::kPlateMesh) return AreaOnly(spec);
  if (weighing.calc == CalcId::kFastener) {
    // A bolt or pin is named with its length ("M20×100"); nuts and washers have none.
    if (FastenerTakesLength(in.type) && lengthMm > 0) return WeighedSpec{spec + kTimes + length, {}};
    return WeighedSpec{spec, FastenerTakesLength(in.type) ? length : std::string()};
  }
  return WeighedSpec{spec, info.fields & kFieldLength ? length : std::string()};
}

std::variant<ListRow, std::string> RowOfWeighing(const Weighing& weighing, const CustomRowSet& rows,
                                                 const SpecResolver& resolver) {
  if (!(weighing.settings.density > 0)) return std::string("密度须大于 0");
  auto spec = SpecOfWeighing(weighing, rows);
  if (auto* why = std::get_if<std::string>(&spec)) return *why;
  const CalcInfo& info = GetCalcInfo(weighing.calc);
  RowTexts texts;
  texts.product = info.cliName;
  texts.spec = std::get<WeighedSpec>(spec).spec;
  texts.length = std::get<WeighedSpec>(spec).lengthMm;
  texts.quantity = "1";
  auto row = MakeRow(texts, resolver, RowDefaults{weighing.settings.density, true});
  if (const auto* r = std::get_if<ListRow>(&row); r && r->item.calc != info.cliName) {
    return "规格 \"" + texts.spec + "\" 读作" + r->item.product + "，不是" + info.title;
  }
  return row;
}

}  // namespace zelvik
