// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace zelvik {

namespace {

// The allowed range of the second byte for a lead byte (table 3-7); [0, 0) for no lead.
void SecondByteRange(unsigned char lead, unsigned char& lo, unsigned char& hi, size_t& len) {
  lo = 0x80;
  hi = 0xBF;
  len = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  }
}

// How many bytes at pos form a well-formed prefix of a sequence (at least 1), and whether
// they complete it.
size_t ValidPrefix(std::string_view text, size_t pos, bool& complete) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  complete = lead < 0x80;
  if (complete) return 1;
  unsigned char lo, hi;
  size_t len;
  SecondByteRange(lead, lo, hi, len);
  if (len == 0) return 1;
  size_t n = 1;
  for (; n < len && pos + n < text.size(); ++n) {
    const auto b = static_cast<unsigned char>(text[pos + n]);
    if (n == 1 ? (b < lo || b > hi) : (b & 0xC0) != 0x80) break;
  }
  complete = n == len;
  return n;
}

}  // namespace

size_t Utf8SequenceLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  bool complete = false;
  size_t n = ValidPrefix(text, pos, complete);
  return complete ? n : 0;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    size_t n = Utf8SequenceLength(text, pos);
    if (n == 0) return false;
    pos += n;
  }
  return true;
}

std::string ReplaceInvalidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    bool complete = false;
    size_t n = ValidPrefix(text, pos, complete);
    if (complete) {
      out.append(text.substr(pos, n));
    } else {
      out.append("\xEF\xBF\xBD");
    }
    pos += n;
  }
  return out;
}

}  // namespace zelvik
