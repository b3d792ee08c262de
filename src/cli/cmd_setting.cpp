// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "config/settings_store.h"
#include "json.h"
#include "options.h"

namespace zelvik::cli {

const char kSettingUsage[] = R"(  zelvik-cli setting [KEY VALUE] [--config FILE]
      Prints the four "Setting" values as stored; with KEY (danwei, autorun, minirun or
      hidetubiao) and an integer VALUE, first stores it as the program does.
)";

namespace {

std::string StoredValues(const IniFile& file) {
  const IniDocument doc = file.Load();
  std::string json = "{";
  for (SettingKey key : kSettingKeys) {
    if (json.size() > 1) json += ", ";
    json += JsonString(SettingKeyName(key)) + ": " +
            std::to_string(doc.GetInt(kSettingSection, SettingKeyName(key), 0));
  }
  return json + "}";
}

SettingKey KeyByName(const std::string& name) {
  for (SettingKey key : kSettingKeys) {
    if (name == SettingKeyName(key)) return key;
  }
  throw UsageError("unknown setting '" + name + "' (use danwei, autorun, minirun or hidetubiao)");
}

int ValueOf(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto res = std::from_chars(text.data(), end, value);
  if (text.empty() || res.ec != std::errc() || res.ptr != end) {
    throw UsageError("the value must be an integer, not '" + text + "'");
  }
  return value;
}

}  // namespace

int RunSetting(const std::vector<std::string>& args) {
  std::vector<std::string> positional{args[0]};
  std::vector<std::string> rest{args[0]};
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) == 0) {
      rest.push_back(args[i]);
      if (args[i].find('=') == std::string::npos && i + 1 < args.size()) rest.push_back(args[++i]);
    } else {
      positional.push_back(args[i]);
    }
  }
  const ParsedArgs opts = ParseOptions(rest, 1, {"config"}, {});
  if (positional.size() != 1 && positional.size() != 3) throw UsageError("setting takes no arguments or KEY VALUE");
  SettingsStore store{IniFile(ConfigPathOption(opts))};
  if (positional.size() == 3) {
    const SettingKey key = KeyByName(positional[1]);
    const int value = ValueOf(positional[2]);
    // The unit system comes from a three-item list: nothing else is ever stored for it.
    if (key == SettingKey::kUnitSystem && (value < 0 || value >= kUnitSystemCount)) {
      throw UsageError("danwei must be 0, 1 or 2");
    }
    store.LoadAll();
    const bool ok = key == SettingKey::kUnitSystem ? store.StoreUnitSystem(value) : store.StoreSetting(key, value);
    if (!ok) throw RefusedError("cannot write " + store.file().path().string());
  }
  std::cout << StoredValues(store.file()) << "\n";
  return 0;
}

}  // namespace zelvik::cli
