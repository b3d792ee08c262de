// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/strip.h"

#include "expr/eval_expression.h"
#include "weight/format.h"

namespace zelvik {

std::string PushResult(std::string_view expression, std::string_view resultText, int signMode) {
  const std::string number = PreviewValue(resultText);
  if (expression.empty() || expression == "0") return number;
  std::string out(expression);
  out += signMode == kStripSubtract ? '-' : '+';
  out += number;
  return out;
}

std::string StripResult(std::string_view expression, int decimals) {
  return FormatWeight(EvalExpression(expression), decimals);
}

}  // namespace zelvik
