// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "expr/eval_expression.h"

namespace zelvik::cli {

const char kEvalUsage[] = R"(  zelvik-cli eval TEXT
      Evaluates an arithmetic expression as the calculators read their fields.
      Prints {"value": V}.
)";

int RunEval(const std::vector<std::string>& args) {
  if (args.size() != 2) throw UsageError("eval needs exactly one TEXT argument");
  std::cout << "{" << JsonNumberMember17("value", EvalExpression(args[1])) << "}\n";
  return 0;
}

}  // namespace zelvik::cli
