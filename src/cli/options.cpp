// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "config/config_path.h"
#include "config/custom_rows.h"
#include "config/ini_file.h"

namespace zelvik::cli {

ParsedArgs ParseOptions(const std::vector<std::string>& args, size_t from, const std::vector<std::string>& valued,
                        const std::vector<std::string>& flagNames) {
  ParsedArgs parsed;
  for (size_t i = from; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + arg + "'");
    std::string name = arg.substr(2);
    std::string value;
    bool hasValue = false;
    if (auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      hasValue = true;
    }
    const bool isValued = std::find(valued.begin(), valued.end(), name) != valued.end();
    const bool isFlag = std::find(flagNames.begin(), flagNames.end(), name) != flagNames.end();
    if (!isValued && !isFlag) throw UsageError("unknown option '--" + name + "'");
    if (isFlag) {
      if (hasValue) throw UsageError("option '--" + name + "' takes no value");
      parsed.flags.push_back(name);
      continue;
    }
    if (!hasValue) {
      if (i + 1 >= args.size()) throw UsageError("option '--" + name + "' needs a value");
      value = args[++i];
    }
    parsed.values[name] = value;
  }
  return parsed;
}

const CalcInfo& CalcByName(const std::string& name) {
  if (const CalcInfo* info = FindCalc(name)) return *info;
  throw UsageError("unknown calculator '" + name + "'");
}

int ParseInt(const std::string& option, const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto res = std::from_chars(text.data(), end, value);
  if (text.empty() || res.ec != std::errc() || res.ptr != end) {
    throw UsageError("option '--" + option + "' needs an integer, not '" + text + "'");
  }
  return value;
}

int ParseUnits(const std::string& text) {
  for (int i = 0; i < kUnitSystemCount; ++i) {
    if (text == kUnitSystemLabels[i]) return i;
  }
  int value = 0;
  const char* end = text.data() + text.size();
  auto res = std::from_chars(text.data(), end, value);
  if (text.empty() || res.ec != std::errc() || res.ptr != end) {
    throw UsageError("unknown unit system '" + text + "' (use 0, 1, 2, \"kg;mm\", \"kg;m\" or \"t;m\")");
  }
  return value;
}

std::filesystem::path ConfigPathOption(const ParsedArgs& args) {
  if (auto it = args.values.find("config"); it != args.values.end()) return it->second;
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ConfigFilePath(ec ? std::filesystem::path(".") : exe.parent_path());
}

CustomRowSet LoadRowsOption(const ParsedArgs& args) {
  auto it = args.values.find("config");
  if (it == args.values.end()) return {};
  std::error_code ec;
  if (!std::filesystem::is_regular_file(it->second, ec)) {
    throw UsageError("cannot read configuration file '" + it->second + "'");
  }
  return LoadAllCustomRows(IniFile(it->second));
}

int ResolveItem(const std::string& what, const std::string& text, const std::vector<std::string>& items) {
  if (text.size() > 1 && text[0] == '#') {
    int index = 0;
    const char* end = text.data() + text.size();
    auto res = std::from_chars(text.data() + 1, end, index);
    if (res.ec == std::errc() && res.ptr == end) {
      if (index == -1 || (index >= 0 && index < static_cast<int>(items.size()))) return index;
      throw UsageError(what + " index " + text + " is outside the list of " + std::to_string(items.size()) + " items");
    }
  }
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  throw UsageError("unknown " + what + " '" + text + "'");
}

}  // namespace zelvik::cli
