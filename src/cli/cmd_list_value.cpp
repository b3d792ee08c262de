// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "update/list_file.h"

namespace zelvik::cli {

const char kListValueUsage[] = R"(  zelvik-cli list-value FILE SECTION KEY
      Prints the value the update finds for KEY in SECTION of an update list file (GBK),
      with the list file's own lookup rules, or null.
)";

int RunListValue(const std::vector<std::string>& args) {
  if (args.size() != 4) throw UsageError("list-value takes FILE SECTION KEY");
  update::CIniFile file;
  if (!file.OpenIniFile(args[1])) throw UsageError("cannot read '" + args[1] + "'");
  const std::optional<std::string> value = file.GetValue(args[2], args[3]);
  std::cout << "{\"value\": " << (value ? JsonString(*value) : std::string("null")) << "}\n";
  return 0;
}

}  // namespace zelvik::cli
