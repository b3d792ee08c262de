// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "reference/density_table.h"

namespace zelvik::cli {

const char kDensityUsage[] = R"(  zelvik-cli density
      Prints the material density table: number, name and density, as text.
  zelvik-cli density --find TEXT [--after I]
      Prints the zero-based row that find next selects after the row of the last hit I
      (default -1: nothing found yet), or null when no row matches.
)";

int RunDensity(const std::vector<std::string>& args) {
  const ParsedArgs opts = ParseOptions(args, 1, {"find", "after"}, {});
  const auto rows = DensityTable();
  auto find = opts.values.find("find");
  if (find == opts.values.end()) {
    if (opts.values.count("after")) throw UsageError("--after needs --find");
    std::string json = "[";
    for (size_t i = 0; i < rows.size(); ++i) {
      json += i ? ", " : "";
      json += "{\"no\": " + JsonString(rows[i].no) + ", \"name\": " + JsonString(rows[i].name) +
              ", \"density\": " + JsonString(rows[i].density) + "}";
    }
    std::cout << json << "]\n";
    return 0;
  }
  int after = -1;
  if (auto it = opts.values.find("after"); it != opts.values.end()) {
    after = ParseInt("after", it->second);
    if (after < -1 || after >= static_cast<int>(rows.size())) {
      throw UsageError("--after must lie between -1 and " + std::to_string(rows.size() - 1));
    }
  }
  const int row = FindDensityRow(after, find->second);
  std::cout << "{\"row\": " << (row < 0 ? std::string("null") : std::to_string(row)) << "}\n";
  return 0;
}

}  // namespace zelvik::cli
