// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_store.h"

#include <string>
#include <utility>

namespace zelvik {

const char* SettingKeyName(SettingKey key) {
  switch (key) {
    case SettingKey::kUnitSystem: return "danwei";
    case SettingKey::kAutorun: return "autorun";
    case SettingKey::kMinirun: return "minirun";
    case SettingKey::kHideTrayIcon: return "hidetubiao";
  }
  return "";
}

int SettingFlags::Get(SettingKey key) const {
  switch (key) {
    case SettingKey::kUnitSystem: return unitSystem;
    case SettingKey::kAutorun: return autorun;
    case SettingKey::kMinirun: return minirun;
    case SettingKey::kHideTrayIcon: return hideTrayIcon;
  }
  return 0;
}

SettingsStore::SettingsStore(IniFile file, WeightSettings* weights)
    : file_(std::move(file)), weights_(weights) {}

int& SettingsStore::Flag(SettingKey key) {
  switch (key) {
    case SettingKey::kUnitSystem: return weights_ ? weights_->unitSystem : flags_.unitSystem;
    case SettingKey::kAutorun: return flags_.autorun;
    case SettingKey::kMinirun: return flags_.minirun;
    case SettingKey::kHideTrayIcon: return flags_.hideTrayIcon;
  }
  return flags_.unitSystem;
}

SettingFlags SettingsStore::flags() const {
  SettingFlags f = flags_;
  if (weights_) f.unitSystem = weights_->unitSystem;
  return f;
}

int SettingsStore::Read(SettingKey key) const {
  return file_.GetInt(kSettingSection, SettingKeyName(key), 0);
}

int SettingsStore::Load(SettingKey key) { return Flag(key) = Read(key); }

void SettingsStore::LoadAll() {
  IniDocument doc = file_.Load();
  for (SettingKey key : kSettingKeys)
    Flag(key) = doc.GetInt(kSettingSection, SettingKeyName(key), 0);
}

bool SettingsStore::StoreSetting(SettingKey key, int value) {
  Flag(key) = value;
  if (value != 0) {
    return file_.WriteString(kSettingSection, SettingKeyName(key), std::to_string(value));
  }
  return DeleteAndTidy(key, false);
}

bool SettingsStore::StoreUnitSystem(int value) {
  Flag(SettingKey::kUnitSystem) = value;
  if (value != 0) {
    return file_.WriteString(kSettingSection, SettingKeyName(SettingKey::kUnitSystem),
                             std::to_string(value));
  }
  return DeleteAndTidy(SettingKey::kUnitSystem, true);
}

bool ApplySetting(IniDocument& doc, SettingKey key, int value, bool writeFirst) {
  const char* name = SettingKeyName(key);
  if ((value != 0 || writeFirst) &&
      doc.Set(kSettingSection, name, std::to_string(value)) == IniDocument::EditResult::kInvalid) {
    return false;
  }
  if (value != 0) return true;
  doc.DeleteKey(kSettingSection, name);
  // Decided from the document, not from any copy's flags: another running copy may have
  // stored a key since this one read them.
  bool anyStored = false;
  for (SettingKey k : kSettingKeys) {
    if (doc.GetInt(kSettingSection, SettingKeyName(k), 0) != 0) anyStored = true;
  }
  if (!anyStored) doc.DeleteSection(kSettingSection);
  return true;
}

// The key's deletion and the section's removal are one rewrite of the file; the check for a
// 0-byte file comes after, as it also catches an empty file that was there before.
bool SettingsStore::DeleteAndTidy(SettingKey key, bool writeFirst) {
  bool ok = file_.Edit([&](IniDocument& doc) { return ApplySetting(doc, key, 0, writeFirst); });
  return file_.RemoveIfEmpty() && ok;
}

}  // namespace zelvik
