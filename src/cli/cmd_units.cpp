// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "reference/unit_table.h"

namespace zelvik::cli {

const char kUnitsUsage[] = R"(  zelvik-cli units
      Prints the unit converter's quantities with their unit labels, in list order.
)";

const char kConvertUsage[] = R"(  zelvik-cli convert QUANTITY FROM TO VALUE
      Prints the text the converter's result field shows. QUANTITY, FROM and TO are list
      texts exactly or #N (zero-based); VALUE is read as the value field reads it.
)";

namespace {

std::vector<std::string> Texts(std::span<const std::string_view> items) { return {items.begin(), items.end()}; }

// A list choice: the item text or "#N". The converter always has a selection, so "#-1" is no choice.
int Choice(const std::string& what, const std::string& text, std::span<const std::string_view> items) {
  const int index = ResolveItem(what, text, Texts(items));
  if (index < 0) throw UsageError(what + " needs an item, not " + text);
  return index;
}

}  // namespace

int RunUnits(const std::vector<std::string>& args) {
  ParseOptions(args, 1, {}, {});
  std::string json = "[";
  bool first = true;
  for (const UnitQuantity& q : UnitTable()) {
    json += first ? "" : ", ";
    first = false;
    json += "{\"quantity\": " + JsonString(q.name) + ", \"units\": [";
    for (size_t i = 0; i < q.units.size(); ++i) json += (i ? ", " : "") + JsonString(q.units[i]);
    json += "]}";
  }
  std::cout << json << "]\n";
  return 0;
}

int RunConvert(const std::vector<std::string>& args) {
  if (args.size() != 5) throw UsageError("convert needs QUANTITY FROM TO VALUE");
  const auto table = UnitTable();
  std::vector<std::string_view> names;
  for (const UnitQuantity& q : table) names.push_back(q.name);
  const int q = Choice("quantity", args[1], names);
  const int from = Choice("unit", args[2], table[q].units);
  const int to = Choice("unit", args[3], table[q].units);
  std::cout << "{\"result\": " << JsonString(ConvertUnits(q, from, to, args[4])) << "}\n";
  return 0;
}

}  // namespace zelvik::cli
