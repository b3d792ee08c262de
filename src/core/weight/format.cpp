// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/format.h"

#include "expr/eval_expression.h"
#include "util/numbers.h"

namespace zelvik {

std::string FormatWeight(double weight, int decimals) {
  if (decimals < 0 || decimals > 9) return "0.00";
  return FormatFixed(weight, decimals);
}

std::string FormatUnitWeight(double q) { return FormatFixed(q, 3); }

std::string FormatRopeUnitWeight(double q) { return FormatFixed(q, 2); }

std::string TrimNumber(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ') out.push_back(c);
  }
  if (out.find('.') == std::string::npos) return out;
  while (!out.empty() && out.back() == '0') out.pop_back();
  if (!out.empty() && out.back() == '.') out.pop_back();
  return out;
}

std::string PreviewValue(std::string_view fieldText) {
  return TrimNumber(FormatFixed(EvalExpression(fieldText), 6));
}

}  // namespace zelvik
