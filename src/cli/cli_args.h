// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "options.h"

namespace zelvik::cli {

// Splits a command's arguments into positional words and "--name value" options, every
// option taking a value; `valued` lists the options allowed.
struct SplitArgs {
  std::vector<std::string> positional;  // without the command's own name
  ParsedArgs options;
};
SplitArgs SplitPositional(const std::vector<std::string>& args, const std::vector<std::string>& valued);

// The value of a required option.
const std::string& Required(const ParsedArgs& opts, const std::string& name);

// An integer option within [low, high]; `fallback` when it is not given.
int IntInRange(const ParsedArgs& opts, const std::string& name, int low, int high, int fallback);

// A 1-based line number of a list of `count` lines, as a 0-based position.
int LineNumber(const std::string& text, int count);

}  // namespace zelvik::cli
