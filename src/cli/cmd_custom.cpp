// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "config/custom_materials.h"
#include "json.h"

namespace zelvik::cli {

const char kCustomUsage[] = R"U(  zelvik-cli custom [--config FILE]
      Prints the user-defined sizes as the custom materials window lists them at its
      start; nothing is written.
  zelvik-cli custom add --kind K --model M [--spec S] --unit-weight U [--config FILE]
      Adds a row as the window's "添 加" does after a fresh start. K is 0 to 7 or the type
      list text ("角钢(热轧)" …); --spec counts for kinds 1 and 2 only.
  zelvik-cli custom delete LINE [--config FILE]
      Deletes list line LINE (from 1) as the window's "删 除" does after a fresh start.
)U";

namespace {

int KindOption(const std::string& text) {
  for (const CustomKind& k : kCustomKinds) {
    if (text == k.listText || text == std::to_string(k.kind)) return k.kind;
  }
  throw UsageError("unknown kind '" + text + "' (use 0 to 7 or the type list text)");
}

std::string ListJson(const CustomMaterials& m) {
  std::string json = "[";
  const std::vector<std::string> lines = m.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    const CustomRow& r = m.rows()[i];
    json += (i ? ", " : "");
    json += "{\"line\": " + JsonString(lines[i]) + ", \"kind\": " + std::to_string(r.kind) +
            ", \"model\": " + JsonString(r.model) + ", \"spec\": " + JsonString(r.spec) +
            ", \"unit_weight\": " + JsonString(r.unitWeight) + "}";
  }
  return json + "]";
}

}  // namespace

int RunCustom(const std::vector<std::string>& args) {
  const SplitArgs split = SplitPositional(args, {"config", "kind", "model", "spec", "unit-weight"});
  const std::vector<std::string>& pos = split.positional;
  const ParsedArgs& opts = split.options;
  const std::string action = pos.empty() ? "" : pos[0];
  if ((action.empty() || action == "add") && pos.size() > 1) throw UsageError("unexpected argument '" + pos[1] + "'");
  if (action == "delete" && pos.size() != 2) throw UsageError("custom delete takes one line number");
  if (!action.empty() && action != "add" && action != "delete") throw UsageError("unknown action '" + action + "'");
  if (action != "add") {
    for (const char* name : {"kind", "model", "spec", "unit-weight"}) {
      if (opts.values.count(name)) throw UsageError(std::string("option '--") + name + "' belongs to custom add");
    }
  }

  IniFile file(ConfigPathOption(opts));
  CustomMaterials m;
  if (action.empty()) {
    m.Load(file.Load());
    std::cout << ListJson(m) << "\n";
    return 0;
  }

  int kind = 0;
  std::string model, spec, weight;
  int line = 0;
  if (action == "add") {
    kind = KindOption(Required(opts, "kind"));
    model = Required(opts, "model");
    weight = Required(opts, "unit-weight");
    if (auto it = opts.values.find("spec"); it != opts.values.end()) spec = it->second;
  }
  if (action == "delete") {
    m.Load(file.Load());  // a line that does not exist changes nothing
    line = LineNumber(pos[1], static_cast<int>(m.rows().size()));
  }
  if (!m.LoadAndRefresh(file)) throw RefusedError("cannot write " + file.path().string());
  if (action == "add") {
    const CustomMaterials::AddOutcome out = m.Add(file, kind, model, spec, weight);
    if (out.result != CustomAddResult::kAdded) throw RefusedError(CustomAddMessage(out.result).text);
    if (!out.stored) throw RefusedError("cannot write " + file.path().string());
  } else {
    bool stored = false;
    m.Delete(file, line, &stored);
    if (!stored) throw RefusedError("cannot write " + file.path().string());
  }
  std::cout << ListJson(m) << "\n";
  return 0;
}

}  // namespace zelvik::cli
