// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "reference/bearing_catalogue.h"

namespace zelvik::cli {

const char kBearingsUsage[] = R"(  zelvik-cli bearings
      Prints the bearing catalogue's lines.
  zelvik-cli bearings --find TEXT [--selected N]
      Prints the line find next selects while line N is selected (default: none), the
      kind-list entry then shown (null when the line is 0) and the line's text; null when
      nothing matches.
  zelvik-cli bearings --kind K
      Prints the line that choosing kind-list entry K (0 to 12) selects.
)";

namespace {

int LineOption(const ParsedArgs& opts) {
  auto it = opts.values.find("selected");
  if (it == opts.values.end()) return -1;
  const int line = ParseInt("selected", it->second);
  const int count = static_cast<int>(BearingLines().size());
  if (line < -1 || line >= count) throw UsageError("--selected must lie between -1 and " + std::to_string(count - 1));
  return line;
}

}  // namespace

int RunBearings(const std::vector<std::string>& args) {
  const ParsedArgs opts = ParseOptions(args, 1, {"find", "selected", "kind"}, {});
  const auto lines = BearingLines();
  const bool find = opts.values.count("find") > 0;
  const bool kind = opts.values.count("kind") > 0;
  if (find && kind) throw UsageError("--find and --kind exclude each other");
  if (!find && opts.values.count("selected")) throw UsageError("--selected needs --find");
  if (kind) {
    const int entry = ParseInt("kind", opts.values.at("kind"));
    const int line = BearingLineOfEntry(entry);
    if (line < 0) throw UsageError("--kind must lie between 0 and " + std::to_string(kBearingKinds));
    std::cout << "{\"line\": " << line << "}\n";
    return 0;
  }
  if (find) {
    const int line = FindBearingLine(LineOption(opts), opts.values.at("find"));
    if (line < 0) {
      std::cout << "{\"line\": null}\n";
      return 0;
    }
    const int entry = BearingEntryOfLine(line);
    std::cout << "{\"line\": " << line << ", \"kind\": " << (entry < 0 ? std::string("null") : std::to_string(entry))
              << ", \"text\": " << JsonString(lines[line]) << "}\n";
    return 0;
  }
  std::string json = "[";
  for (size_t i = 0; i < lines.size(); ++i) json += (i ? ", " : "") + JsonString(lines[i]);
  std::cout << json << "]\n";
  return 0;
}

}  // namespace zelvik::cli
