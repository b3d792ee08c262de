// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the expression evaluator, both through EvalExpression and
// straight into CMathString (which must refuse, never overrun, whatever it is given),
// and checks the invariants that hold for every input.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "expr/eval_expression.h"
#include "expr/math_string.h"

namespace {

using zelvik::CMathString;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

// The checked calling order. Returns the status, or 99 when the syntax check refused.
int RunInOrder(CMathString& m, std::string_view text, double& result) {
  result = 0;
  const bool fits = m.SetExpression(text);
  Require(fits == (text.size() <= CMathString::kMaxText));
  if (!m.CheckSyntax()) {
    Require(m.Evaluate() == CMathString::kBadStructure && m.GetResult() == 0);
    return 99;
  }
  const std::string_view closed = m.Expression();
  Require(closed.size() == text.size() + 1 && closed.back() == '#');
  Require(closed.find_first_of("[]{}") == std::string_view::npos);
  if (!m.ToPostfix()) {
    Require(m.Evaluate() == CMathString::kBadStructure);
    return CMathString::kBadStructure;
  }
  const int status = m.Evaluate();
  Require(status >= -1 && status <= 8);
  result = m.GetResult();
  if (status != CMathString::kOk) Require(result == 0);
  // Running the list again must not depend on state left by the first run.
  Require(m.Evaluate() == status && Same(m.GetResult(), result));
  return status;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);

  const double value = zelvik::EvalExpression(raw);
  Require(Same(zelvik::EvalExpression(raw), value));

  const std::string normalised = zelvik::NormaliseExpression(raw);
  Require(normalised.size() <= raw.size());
  for (const char c : normalised) Require(c != ' ' && c != '\t' && !(c >= 'A' && c <= 'Z'));

  CMathString m;
  double result = 0;
  const int status = RunInOrder(m, normalised, result);
  Require(Same(value, status == CMathString::kOk ? result : 0.0));

  // Raw bytes, and calls out of order, on a fresh and on a used evaluator.
  CMathString r;
  Require(r.Evaluate() == CMathString::kBadStructure);
  r.SetExpression(raw);
  Require(!r.ToPostfix() && r.Evaluate() == CMathString::kBadStructure);
  RunInOrder(r, raw, result);
  RunInOrder(m, raw, result);
  return 0;
}
