// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_calculator.h"

#include <unistd.h>

#include <system_error>

namespace zelvik {

std::optional<std::filesystem::path> FindDesktopCalculator(std::string_view searchPath) {
  static constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                                 "mate-calc",        "qalculate-gtk", "xcalc"};
  for (const char* name : kCalculators) {
    size_t start = 0;
    while (start <= searchPath.size()) {
      size_t end = searchPath.find(':', start);
      if (end == std::string_view::npos) end = searchPath.size();
      const std::string_view dir = searchPath.substr(start, end - start);
      if (!dir.empty()) {
        const std::filesystem::path candidate = std::filesystem::path(dir) / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) {
          return candidate;
        }
      }
      start = end + 1;
    }
  }
  return std::nullopt;
}

}  // namespace zelvik
