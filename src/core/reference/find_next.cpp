// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/find_next.h"

namespace zelvik {

bool ContainsText(std::string_view cell, std::string_view text) {
  if (text.empty()) return true;
  // In UTF-8 only a continuation byte (10xxxxxx) can sit inside a character, and every match
  // begins with text's first byte: text that begins with a lead or ASCII byte matches at
  // character boundaries only, and text that begins with a continuation byte never does.
  if ((static_cast<unsigned char>(text.front()) & 0xC0) == 0x80) return false;
  return cell.find(text) != std::string_view::npos;
}

}  // namespace zelvik
