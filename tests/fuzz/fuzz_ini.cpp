// Any bytes as a configuration file: parsing never fails, an untouched document writes back
// byte for byte, and an edit keeps every byte that was there and reads back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  zelvik::IniDocument doc = zelvik::IniDocument::Parse(bytes);
  if (doc.Serialize() != bytes) std::abort();
  (void)doc.GetInt("Setting", "danwei", 0);
  (void)doc.GetString("角钢", "型号1");
  if (doc.Set("Zelvik", "key", "值") != zelvik::IniDocument::EditResult::kChanged) return 0;
  const std::string after = doc.Serialize();
  if (after.compare(0, bytes.size(), bytes) != 0) std::abort();
  if (zelvik::IniDocument::Parse(after).GetString("Zelvik", "key") != "值") std::abort();
  zelvik::IniDocument edited = zelvik::IniDocument::Parse(bytes);
  if (edited.Set("Setting", "danwei", "1") == zelvik::IniDocument::EditResult::kChanged &&
      zelvik::IniDocument::Parse(edited.Serialize()).GetInt("Setting", "danwei", 0) != 1) {
    std::abort();
  }
  return 0;
}
