// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/ini_file.h"
#include "weight/settings.h"

namespace zelvik {

inline constexpr const char* kSettingSection = "Setting";

enum class SettingKey {
  kUnitSystem,    // "danwei": the UnitSystem index
  kAutorun,       // "autorun": start with the desktop session
  kMinirun,       // "minirun": hide into the tray when started soon after boot
  kHideTrayIcon,  // "hidetubiao": add no tray icon at start
};

inline constexpr SettingKey kSettingKeys[] = {SettingKey::kUnitSystem, SettingKey::kAutorun,
                                              SettingKey::kMinirun, SettingKey::kHideTrayIcon};

// The key's name in the "Setting" section.
const char* SettingKeyName(SettingKey key);

// The four "Setting" values last read or written; 0 until loaded.
struct SettingFlags {
  int unitSystem = 0;
  int autorun = 0;
  int minirun = 0;
  int hideTrayIcon = 0;

  int Get(SettingKey key) const;
  bool AllZero() const {
    return unitSystem == 0 && autorun == 0 && minirun == 0 && hideTrayIcon == 0;
  }
};

// One store of a "Setting" key applied to a document: a value other than 0 is written as
// decimal text; 0 deletes the key (after writing it first when writeFirst, the unit-system
// list's order), and then the whole section when none of the four keys holds a value other
// than 0. False when the value cannot be stored.
bool ApplySetting(IniDocument& doc, SettingKey key, int value, bool writeFirst = false);

// The "Setting" section and the rule that keeps the configuration file minimal: a value of
// 0 is never stored, an emptied "Setting" section is removed, and an empty file deleted.
//
// There is no hidden attribute to set: Linux has no such file attribute, and renaming the
// file to a dot-file would orphan the settings of existing copies, so it stays "ConfigMW.ini".
class SettingsStore {
 public:
  // With weights given, the unit system is its unitSystem field itself rather than a copy.
  explicit SettingsStore(IniFile file, WeightSettings* weights = nullptr);

  SettingFlags flags() const;
  IniFile& file() { return file_; }

  // The stored value (0 when missing or unreadable); the flags are not touched.
  int Read(SettingKey key) const;
  // Reads the key into its flag and returns it.
  int Load(SettingKey key);
  // Reads all four keys into the flags with one read of the file.
  void LoadAll();

  // Sets the flag, then: a value other than 0 is written as decimal text; 0 deletes the key,
  // and when all four flags are 0 the whole section; finally a 0-byte file is deleted.
  // Returns false when the file could not be written; the flag keeps the new value anyway.
  bool StoreSetting(SettingKey key, int value);
  // The unit-system list's order: the new value is always written first, and for 0 the
  // deletion steps follow. Both happen in one locked rewrite, so the file never holds
  // "danwei" = 0, not even for another running copy.
  bool StoreUnitSystem(int value);

 private:
  int& Flag(SettingKey key);
  bool DeleteAndTidy(SettingKey key, bool writeFirst);

  IniFile file_;
  WeightSettings* weights_;
  SettingFlags flags_;
};

}  // namespace zelvik
