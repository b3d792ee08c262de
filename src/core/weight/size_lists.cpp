// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/size_lists.h"

#include <span>

#include "util/numbers.h"
#include "weight/registry.h"

namespace zelvik {

namespace {

std::span<const SizeEntry> SingleTable(CalcId id) {
  const auto table = GetCalcInfo(id).sizes.single;
  return table ? table() : std::span<const SizeEntry>{};
}

std::span<const SizeGroup> GroupTable(CalcId id) {
  const auto table = GetCalcInfo(id).sizes.groups;
  return table ? table() : std::span<const SizeGroup>{};
}

std::span<const FastenerStandard> Standards(CalcId id) {
  const auto table = GetCalcInfo(id).sizes.standards;
  return table ? table() : std::span<const FastenerStandard>{};
}

SizeItem FromEntry(const SizeEntry& e) { return SizeItem{e.name, e.q, 0, e.spec}; }

SizeItem FromRow(const CustomRow& r) {
  return SizeItem{r.model, ParseLeadingDouble(r.unitWeight), 0, r.spec};
}

const std::vector<CustomRow>* RowsOf(CalcId id, const CustomRowSet& rows) {
  int kind = GetCalcInfo(id).customKind;
  if (kind < 0 || kind >= kCustomKindCount) return nullptr;
  return &rows[static_cast<size_t>(kind)];
}

}  // namespace

std::vector<std::string> TypeNames(CalcId id) {
  std::vector<std::string> names;
  for (const auto& st : Standards(id)) names.emplace_back(st.name);
  for (const auto& g : GroupTable(id)) names.emplace_back(g.type);
  return names;
}

int BuiltInCount(CalcId id) { return static_cast<int>(SingleTable(id).size()); }

std::vector<SizeItem> SizeItems(CalcId id, int type, const CustomRowSet& rows) {
  std::vector<SizeItem> items;
  if (auto standards = Standards(id); !standards.empty()) {
    if (type < 0 || type >= static_cast<int>(standards.size())) return items;
    for (const auto& f : standards[static_cast<size_t>(type)].sizes) items.push_back(SizeItem{f.name, f.r, f.s, ""});
    return items;
  }
  if (GetCalcInfo(id).typeList) {
    auto groups = GroupTable(id);
    if (type < 0 || type >= static_cast<int>(groups.size())) return items;
    for (const auto& e : groups[static_cast<size_t>(type)].sizes) items.push_back(FromEntry(e));
    return items;
  }
  for (const auto& e : SingleTable(id)) items.push_back(FromEntry(e));
  if (const auto* own = RowsOf(id, rows)) {
    for (const auto& r : *own) items.push_back(FromRow(r));
  }
  return items;
}

std::optional<SizeItem> LookupSize(CalcId id, int type, int size, const CustomRowSet& rows) {
  if (size < 0) return std::nullopt;
  const auto idx = static_cast<size_t>(size);
  if (auto standards = Standards(id); !standards.empty()) {
    if (type < 0 || type >= static_cast<int>(standards.size())) return std::nullopt;
    auto sizes = standards[static_cast<size_t>(type)].sizes;
    if (idx >= sizes.size()) return std::nullopt;
    return SizeItem{sizes[idx].name, sizes[idx].r, sizes[idx].s, ""};
  }
  if (GetCalcInfo(id).typeList) {
    auto groups = GroupTable(id);
    if (type < 0 || type >= static_cast<int>(groups.size())) return std::nullopt;
    auto sizes = groups[static_cast<size_t>(type)].sizes;
    if (idx >= sizes.size()) return std::nullopt;
    return FromEntry(sizes[idx]);
  }
  auto table = SingleTable(id);
  if (idx < table.size()) return FromEntry(table[idx]);
  const auto* own = RowsOf(id, rows);
  const size_t row = idx - table.size();
  if (own == nullptr || row >= own->size()) return std::nullopt;
  return FromRow((*own)[row]);
}

}  // namespace zelvik
