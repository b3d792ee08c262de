// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/custom_rows.h"

#include <string>
#include <utility>

namespace zelvik {

std::vector<CustomRow> LoadCustomRows(const IniDocument& config, int kind) {
  std::vector<CustomRow> rows;
  if (kind < 0 || kind >= kCustomKindCount) return rows;
  const CustomKind& k = kCustomKinds[static_cast<std::size_t>(kind)];
  for (int i = 1; static_cast<int>(rows.size()) < kMaxCustomRowsRead; ++i) {
    const std::string n = std::to_string(i);
    CustomRow row;
    row.kind = kind;
    row.typeName = k.typeName;
    row.model = config.GetString(k.section, "型号" + n);
    if (k.hasSpec) row.spec = config.GetString(k.section, "规格" + n);
    row.unitWeight = config.GetString(k.section, "单重" + n);
    if (row.model.empty()) break;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<CustomRow> LoadCustomRows(const IniFile& config, int kind) {
  return LoadCustomRows(config.Load(), kind);
}

CustomRowSet LoadAllCustomRows(const IniDocument& config) {
  CustomRowSet set;
  for (const CustomKind& k : kCustomKinds)
    set[static_cast<std::size_t>(k.kind)] = LoadCustomRows(config, k.kind);
  return set;
}

CustomRowSet LoadAllCustomRows(const IniFile& config) { return LoadAllCustomRows(config.Load()); }

}  // namespace zelvik
