// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "weight/calculators.h"
#include "weight/custom_row.h"
#include "weight/settings.h"

namespace zelvik::cli {

// Bad usage: reported as one line on stderr with exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A refused operation (a failed check, a write that failed): one line on stderr, exit 1.
struct RefusedError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "--name value" and "--name=value" pairs plus bare flags, in the order given.
struct ParsedArgs {
  std::map<std::string, std::string> values;
  std::vector<std::string> flags;
};

// Splits options; `valued` names take a value, `flagNames` take none. Anything else is
// an unknown option.
ParsedArgs ParseOptions(const std::vector<std::string>& args, size_t from, const std::vector<std::string>& valued,
                        const std::vector<std::string>& flagNames);

const CalcInfo& CalcByName(const std::string& name);

int ParseInt(const std::string& option, const std::string& text);
int ParseUnits(const std::string& text);

// The configuration file named by --config, or the one the program beside this executable
// uses when none is given.
std::filesystem::path ConfigPathOption(const ParsedArgs& args);

// User-defined sizes of the configuration file named by --config, or none.
CustomRowSet LoadRowsOption(const ParsedArgs& args);

// A list selection: the item text exactly, "#N" for the zero-based index, "#-1" for none.
int ResolveItem(const std::string& what, const std::string& text, const std::vector<std::string>& items);

}  // namespace zelvik::cli
