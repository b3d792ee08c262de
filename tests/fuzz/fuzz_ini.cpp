// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a configuration file: parsing never fails, an untouched document writes back
// byte for byte, an edit keeps every byte that was there and reads back as written, and the
// deleting paths (keys, sections, the "Setting" rule) remove what they must and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "config/ini_document.h"
#include "config/settings_store.h"

namespace {

using zelvik::IniDocument;

#define Check(condition) \
  do {                     \
    if (!(condition)) {    \
      std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
      std::abort();        \
    }                      \
  } while (0)

// A document's text is stable: what it serialises to parses back to the same text.
void CheckStable(const IniDocument& doc) {
  const std::string once = doc.Serialize();
  Check(IniDocument::Parse(once).Serialize() == once);
}

void DeletingPaths(const std::string& bytes) {
  const char* sections[] = {"Setting", "角钢", "Zelvik", "任务01"};
  const char* keys[] = {"danwei", "型号1", "key", "hidetubiao"};
  const IniDocument original = IniDocument::Parse(bytes);
  for (const char* section : sections) {
    for (const char* key : keys) {
      IniDocument doc = IniDocument::Parse(bytes);
      doc.DeleteKey(section, key);
      Check(!doc.Find(section, key));
      // Keys of other sections keep their values.
      for (const char* other : sections) {
        if (zelvik::IniNamesEqual(other, section)) continue;
        Check(doc.Find(other, key) == original.Find(other, key));
      }
      CheckStable(doc);
    }
    IniDocument doc = IniDocument::Parse(bytes);
    doc.DeleteSection(section);
    Check(!doc.HasSection(section));
    CheckStable(doc);
  }
  for (zelvik::SettingKey key : zelvik::kSettingKeys) {
    for (bool writeFirst : {false, true}) {
      IniDocument doc = IniDocument::Parse(bytes);
      if (!zelvik::ApplySetting(doc, key, 0, writeFirst)) continue;
      Check(!doc.Find("Setting", zelvik::SettingKeyName(key)));
      bool anyStored = false;
      for (zelvik::SettingKey k : zelvik::kSettingKeys) anyStored |= doc.GetInt("Setting", zelvik::SettingKeyName(k), 0) != 0;
      Check(anyStored == doc.HasSection("Setting"));
      Check(doc.Find("角钢", "型号1") == original.Find("角钢", "型号1"));
      CheckStable(doc);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  IniDocument doc = IniDocument::Parse(bytes);
  Check(doc.Serialize() == bytes);
  (void)doc.GetInt("Setting", "danwei", 0);
  (void)doc.GetString("角钢", "型号1");
  DeletingPaths(bytes);
  if (doc.Set("Zelvik", "key", "值") != IniDocument::EditResult::kChanged) return 0;
  const std::string after = doc.Serialize();
  Check(after.compare(0, bytes.size(), bytes) == 0);
  // A GBK file whose only non-ASCII bytes happen to form UTF-8 is read as UTF-8 (the
  // program's own section names are never valid UTF-8 in GBK, so its files are not).
  if (IniDocument::Parse(after).IsUtf8() == doc.IsUtf8()) {
    Check(IniDocument::Parse(after).GetString("Zelvik", "key") == "值");
  }
  IniDocument edited = IniDocument::Parse(bytes);
  if (edited.Set("Setting", "danwei", "1") == IniDocument::EditResult::kChanged) {
    Check(IniDocument::Parse(edited.Serialize()).GetInt("Setting", "danwei", 0) == 1);
  }
  return 0;
}
