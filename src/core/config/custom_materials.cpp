// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/custom_materials.h"

#include <string>
#include <utility>

#include "config/custom_rows.h"

namespace zelvik {

namespace {

const CustomKind* KindOf(int kind) {
  if (kind < 0 || kind >= kCustomKindCount) return nullptr;
  return &kCustomKinds[static_cast<std::size_t>(kind)];
}

// The file keeps values without the blanks around them, so the row does too: the list then
// shows what the next start reads, and a model of blanks counts as empty (stored, it would
// read as empty and end its section, losing every later row of the kind).
std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// A carriage return or NUL inside a value (a hand-edited file) reads back but cannot be
// written again, which would make every rewrite of the sections fail.
void DropLineBreaks(std::string& text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
}

bool Storable(std::string_view section, std::string_view key, std::string_view value) {
  IniDocument probe;
  return probe.Set(section, key, value) != IniDocument::EditResult::kInvalid;
}

// Writes a row's keys under number n of its kind's section; false when a value cannot be
// stored.
bool WriteRow(IniDocument& doc, const CustomRow& row, int n) {
  const CustomKind& k = *KindOf(row.kind);
  const std::string num = std::to_string(n);
  bool ok = doc.Set(k.section, "型号" + num, row.model) != IniDocument::EditResult::kInvalid;
  if (k.hasSpec) ok = doc.Set(k.section, "规格" + num, row.spec) != IniDocument::EditResult::kInvalid && ok;
  ok = doc.Set(k.section, "单重" + num, row.unitWeight) != IniDocument::EditResult::kInvalid && ok;
  return ok;
}

}  // namespace

MessageText CustomAddMessage(CustomAddResult result) {
  switch (result) {
    case CustomAddResult::kAdded: return {"", ""};
    case CustomAddResult::kNoModel: return {"输入提示", "请输入型号"};
    case CustomAddResult::kNoSpec: return {"输入提示", "请输入规格"};
    case CustomAddResult::kNoUnitWeight: return {"输入提示", "请输入单重"};
    case CustomAddResult::kKindFull: return {"警告", "材料数量超出范围"};
    case CustomAddResult::kNotStorable: return {"警告", "含有配置文件无法保存的字符"};
  }
  return {"", ""};
}

std::string CustomListLine(int position, const CustomRow& row) {
  return std::to_string(position) + "、" + row.typeName + " " + row.model + " " + row.spec + " " +
         row.unitWeight;
}

void CustomMaterials::Load(const IniDocument& config) {
  rows_.clear();
  counts_.fill(0);
  for (const CustomKind& k : kCustomKinds) {
    for (CustomRow& row : LoadCustomRows(config, k.kind)) {
      for (std::string* text : {&row.model, &row.spec, &row.unitWeight}) DropLineBreaks(*text);
      rows_.push_back(std::move(row));
      ++counts_[static_cast<std::size_t>(k.kind)];
    }
  }
}

int CustomMaterials::CountOf(int kind) const {
  return KindOf(kind) ? counts_[static_cast<std::size_t>(kind)] : 0;
}

std::vector<std::string> CustomMaterials::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) lines.push_back(CustomListLine(static_cast<int>(i) + 1, rows_[i]));
  return lines;
}

int CustomMaterials::Find(const CustomRow& row, int hint) const {
  const int n = static_cast<int>(rows_.size());
  if (hint >= 0 && hint < n && rows_[static_cast<std::size_t>(hint)] == row) return hint;
  for (int i = 0; i < n; ++i) {
    if (rows_[static_cast<std::size_t>(i)] == row) return i;
  }
  return -1;
}

bool CustomMaterials::Change(IniFile& config, const std::function<Step(CustomMaterials&, IniDocument&)>& change) {
  CustomMaterials fresh;
  bool read = false, changed = false;
  const bool written = config.Edit([&](IniDocument& doc) {
    fresh.Load(doc);
    read = true;
    const Step step = change(fresh, doc);
    changed = step != Step::kNothing;
    if (step != Step::kChanged) return false;
    fresh.Load(doc);  // the file's order: grouped by kind
    return true;
  });
  if (written) {
    *this = std::move(fresh);
    return config.RemoveIfEmpty();
  }
  Load(config.Load());
  return read && !changed;  // nothing to change is no failure
}

bool CustomMaterials::LoadAndRefresh(IniFile& config) {
  return Change(config, [](CustomMaterials& fresh, IniDocument& doc) { return fresh.WriteAll(doc); });
}

bool CustomMaterials::Refresh(IniFile& config) {
  if (!config.ChangedSinceSeen()) return false;
  Load(config.Load());
  return true;
}

CustomMaterials::AddOutcome CustomMaterials::Add(IniFile& config, int kind, std::string_view model,
                                                 std::string_view specText, std::string_view unitWeight) {
  const CustomKind* k = KindOf(kind);
  if (k == nullptr) return {CustomAddResult::kNotStorable, false};
  CustomRow row;
  row.kind = kind;
  row.typeName = k->typeName;
  row.model = TrimBlanks(model);
  if (k->hasSpec) row.spec = TrimBlanks(specText);
  row.unitWeight = TrimBlanks(unitWeight);
  if (row.model.empty()) return {CustomAddResult::kNoModel, false};
  if (k->hasSpec && row.spec.empty()) return {CustomAddResult::kNoSpec, false};
  if (row.unitWeight.empty()) return {CustomAddResult::kNoUnitWeight, false};
  // A text the file cannot hold would be shown now and gone after the restart.
  if (!Storable(k->section, "型号1", row.model) || !Storable(k->section, "规格1", row.spec) ||
      !Storable(k->section, "单重1", row.unitWeight)) {
    return {CustomAddResult::kNotStorable, false};
  }

  bool full = false;
  const bool stored = Change(config, [&](CustomMaterials& fresh, IniDocument& doc) {
    const int count = fresh.CountOf(kind);
    full = count >= kMaxCustomRowsRead;
    if (full) return Step::kNothing;
    return WriteRow(doc, row, count + 1) ? Step::kChanged : Step::kNotStorable;
  });
  return {full ? CustomAddResult::kKindFull : CustomAddResult::kAdded, stored};
}

bool CustomMaterials::Delete(IniFile& config, int position, bool* stored) {
  if (position < 0 || position >= static_cast<int>(rows_.size())) return false;
  const CustomRow shown = rows_[static_cast<std::size_t>(position)];
  const bool ok = Change(config, [&](CustomMaterials& fresh, IniDocument& doc) {
    const int at = fresh.Find(shown, position);
    if (at < 0) return Step::kNothing;
    --fresh.counts_[static_cast<std::size_t>(shown.kind)];
    fresh.rows_.erase(fresh.rows_.begin() + at);
    return fresh.WriteAll(doc);
  });
  if (stored != nullptr) *stored = ok;
  return true;
}

CustomMaterials::Step CustomMaterials::WriteAll(IniDocument& doc) const {
  for (const CustomKind& k : kCustomKinds) doc.DeleteSection(k.section);
  std::array<int, kCustomKindCount> next{};
  for (const CustomRow& row : rows_) {
    if (row.model.empty()) break;
    if (!WriteRow(doc, row, ++next[static_cast<std::size_t>(row.kind)])) return Step::kNotStorable;
  }
  return Step::kChanged;
}

}  // namespace zelvik
