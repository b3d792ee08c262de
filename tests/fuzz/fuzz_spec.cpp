// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the spec-string parser, with and without user-defined sizes, and
// checks what holds for every text: one reading whose canonical text reads back to it, or
// an error with at most five candidates that are readings themselves; weights finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "spec/spec_parse.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

zelvik::CustomRowSet Rows() {
  zelvik::CustomRowSet rows;
  rows[0].push_back({0, "角钢(热轧)", "∠30×30×2", "", "0.9"});
  rows[3].push_back({3, "方管", "□ 12x1", "", "x"});
  rows[5].push_back({5, "六角钢", "71", "", "34"});
  rows[7].push_back({7, "螺纹钢", "", "", ""});
  return rows;
}

void Check(std::string_view text, const zelvik::CustomRowSet* rows) {
  const auto read = rows ? zelvik::ParseSpec(text, *rows) : zelvik::ParseSpec(text);
  if (const auto* error = std::get_if<zelvik::SpecError>(&read)) {
    Require(!error->message.empty() && error->candidates.size() <= zelvik::kMaxSpecCandidates);
    for (const auto& candidate : error->candidates) Require(std::holds_alternative<zelvik::ParsedSpec>(zelvik::ParseSpec(candidate)));
    return;
  }
  const auto& spec = std::get<zelvik::ParsedSpec>(read);
  Require(!spec.canonical.empty());
  const auto again = rows ? zelvik::ParseSpec(spec.canonical, *rows) : zelvik::ParseSpec(spec.canonical);
  Require(std::holds_alternative<zelvik::ParsedSpec>(again) && std::get<zelvik::ParsedSpec>(again) == spec);
  const zelvik::CustomRowSet none;
  const auto& own = rows ? *rows : none;
  const double unit = zelvik::UnitWeightOf(spec, 7.85, own).value;
  const double piece = zelvik::PieceWeightKg(spec, 6000, 7.85, own);
  Require(std::isfinite(unit) && unit >= 0 && std::isfinite(piece) && piece >= 0);
  if (const auto length = zelvik::LengthForWeight(spec, 1000, 7.85, own)) Require(*length > 0 && std::isfinite(*length));
  if (const auto pieces = zelvik::PiecesFor(spec, 1000, 6000, 7.85, own)) Require(pieces->pieces >= 1);
  zelvik::InputsOf(spec, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const zelvik::CustomRowSet rows = Rows();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text, nullptr);
  Check(text, &rows);
  return 0;
}
