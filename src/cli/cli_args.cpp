// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_args.h"

namespace zelvik::cli {

SplitArgs SplitPositional(const std::vector<std::string>& args, const std::vector<std::string>& valued) {
  SplitArgs split;
  std::vector<std::string> rest{args.empty() ? std::string() : args[0]};
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) == 0) {
      rest.push_back(args[i]);
      if (args[i].find('=') == std::string::npos && i + 1 < args.size()) rest.push_back(args[++i]);
    } else {
      split.positional.push_back(args[i]);
    }
  }
  split.options = ParseOptions(rest, 1, valued, {});
  return split;
}

const std::string& Required(const ParsedArgs& opts, const std::string& name) {
  auto it = opts.values.find(name);
  if (it == opts.values.end()) throw UsageError("option '--" + name + "' is required");
  return it->second;
}

int IntInRange(const ParsedArgs& opts, const std::string& name, int low, int high, int fallback) {
  auto it = opts.values.find(name);
  if (it == opts.values.end()) return fallback;
  const int value = ParseInt(name, it->second);
  if (value < low || value > high) {
    throw UsageError("option '--" + name + "' must be " + std::to_string(low) + " to " + std::to_string(high));
  }
  return value;
}

int LineNumber(const std::string& text, int count) {
  int n = 0;
  try {
    n = ParseInt("line", text);
  } catch (const UsageError&) {
    throw UsageError("the line number must be an integer, not '" + text + "'");
  }
  if (n < 1 || n > count) {
    throw UsageError("there is no line " + text + " (the list has " + std::to_string(count) + ")");
  }
  return n - 1;
}

}  // namespace zelvik::cli
