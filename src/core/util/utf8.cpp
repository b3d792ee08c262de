#include "util/utf8.h"

namespace zelvik {

std::string_view FirstCharacters(std::string_view text, size_t count) {
  size_t pos = 0;
  for (size_t n = 0; n < count && pos < text.size(); ++n) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t len = 1;
    if (lead >= 0xF0 && lead < 0xF8) {
      len = 4;
    } else if (lead >= 0xE0) {
      len = lead < 0xF0 ? 3 : 1;
    } else if (lead >= 0xC0) {
      len = 2;
    }
    // Only continuation bytes may follow a lead byte; otherwise take the lead alone.
    for (size_t i = 1; i < len; ++i) {
      if (pos + i >= text.size() || (static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
        len = 1;
        break;
      }
    }
    pos += len;
  }
  return text.substr(0, pos);
}

}  // namespace zelvik
