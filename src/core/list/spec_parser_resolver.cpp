// SPDX-License-Identifier: GPL-3.0-or-later
// The list reads its spec strings through the spec-string parser; a row's 品名 picks the
// calculator where the spec is a size name of that calculator's own list.
#include <memory>
#include <string>

#include "list/spec_resolver.h"
#include "spec/spec_parse.h"
#include "weight/registry.h"
#include "weight/size_lists.h"

namespace zelvik {

namespace {

const CalcInfo* CalcNamed(std::string_view hint) {
  if (hint.empty()) return nullptr;
  for (const CalcInfo& info : AllCalcs()) {
    if (hint == info.title || hint == info.cliName) return &info;
  }
  return nullptr;
}

// The list item of `calc` named exactly `name`, as its canonical reading.
std::optional<ParsedSpec> SizeNamed(const CalcInfo& calc, std::string_view name) {
  const std::vector<std::string> types = TypeNames(calc.id);
  const int typeCount = types.empty() ? 1 : static_cast<int>(types.size());
  for (int t = 0; t < typeCount; ++t) {
    const std::vector<SizeItem> items = SizeItems(calc.id, t, {});
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i].name == name) return SpecOfSize(calc.id, types.empty() ? -1 : t, static_cast<int>(i));
    }
  }
  return std::nullopt;
}

std::string ProblemText(const SpecError& e) {
  std::string text = e.message;
  if (!e.candidates.empty()) {
    text += "（是否为：";
    for (size_t i = 0; i < e.candidates.size(); ++i) text += (i ? "、" : "") + e.candidates[i];
    text += "）";
  }
  return text;
}

class ParserResolver final : public SpecResolver {
 public:
  explicit ParserResolver(CustomRowSet rows) : rows_(std::move(rows)) {}

  std::variant<ResolvedSpec, SpecProblem> Resolve(std::string_view spec, std::string_view hint,
                                                  double density) const override {
    std::optional<ParsedSpec> parsed;
    if (const CalcInfo* calc = CalcNamed(hint)) parsed = SizeNamed(*calc, spec);
    if (!parsed) {
      auto result = ParseSpec(spec, rows_);
      if (const auto* error = std::get_if<SpecError>(&result)) return SpecProblem{ProblemText(*error)};
      parsed = std::get<ParsedSpec>(std::move(result));
    }
    // A list row counts pieces: what is sold by the square metre needs its sheet size.
    if (LengthIsArea(*parsed)) {
      return SpecProblem{"规格 \"" + parsed->canonical + "\" 按面积计重，请写明板面宽×长（毫米），如 \"" +
                         parsed->canonical + "×1500×6000\""};
    }
    const CalcInfo& info = GetCalcInfo(parsed->calc);
    const UnitWeight unit = UnitWeightOf(*parsed, density, rows_);
    ResolvedSpec r{info.cliName, info.title, parsed->canonical, unit.value, unit.unit};
    r.takesLength = TakesLength(*parsed);
    r.pieceKg = [p = *parsed, density, rows = rows_](double lengthMm) {
      return PieceWeightKg(p, lengthMm, density, rows);
    };
    return r;
  }

 private:
  CustomRowSet rows_;
};

}  // namespace

std::unique_ptr<SpecResolver> MakeSpecResolver() { return MakeSpecResolver(CustomRowSet{}); }

std::unique_ptr<SpecResolver> MakeSpecResolver(CustomRowSet rows) {
  return std::make_unique<ParserResolver>(std::move(rows));
}

}  // namespace zelvik
