// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "weight/calculators.h"
#include "weight/size_lists.h"

namespace zelvik::cli {

const char kSizesUsage[] = R"(  zelvik-cli sizes CALC [--type T] [--config FILE]
      Prints the size list of a calculator (for the given type).
  zelvik-cli sizes CALC --types
      Prints the type list of a two-level calculator.
)";

int RunSizes(const std::vector<std::string>& args) {
  if (args.size() < 2) throw UsageError("sizes needs a calculator name");
  const CalcInfo& info = CalcByName(args[1]);
  const ParsedArgs opts = ParseOptions(args, 2, {"type", "config"}, {"types"});
  const bool types = !opts.flags.empty();
  if ((types || opts.values.count("type")) && !info.typeList) {
    throw UsageError(std::string(info.cliName) + " has no type list");
  }
  std::string json = "[";
  if (types) {
    if (opts.values.count("type")) throw UsageError("--types and --type exclude each other");
    const auto names = TypeNames(info.id);
    for (size_t i = 0; i < names.size(); ++i) json += (i ? ", " : "") + JsonString(names[i]);
  } else {
    const CustomRowSet rows = LoadRowsOption(opts);
    int type = 0;
    if (auto it = opts.values.find("type"); it != opts.values.end()) {
      type = ResolveItem("type", it->second, TypeNames(info.id));
    }
    const bool pins = info.id == CalcId::kFastener && type == 70;
    const auto items = SizeItems(info.id, type, rows);
    for (size_t i = 0; i < items.size(); ++i) {
      json += i ? ", " : "";
      json += "{\"name\": " + JsonString(items[i].name) + ", " + JsonNumberMember("value", items[i].value);
      if (pins) json += ", " + JsonNumberMember("per_mm", items[i].perMm);
      json += "}";
    }
  }
  std::cout << json << "]\n";
  return 0;
}

}  // namespace zelvik::cli
