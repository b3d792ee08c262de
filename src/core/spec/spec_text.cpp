// SPDX-License-Identifier: GPL-3.0-or-later
#include "spec/spec_text.h"

#include <charconv>
#include <cmath>

namespace zelvik::spec {

namespace {

constexpr size_t kMaxNumberChars = 12;

// Decodes one code point at `pos`; an invalid sequence gives U+FFFD and one byte.
char32_t Decode(std::string_view s, size_t& pos) {
  const auto b = static_cast<unsigned char>(s[pos]);
  int len = 0;
  char32_t cp = 0;
  if (b < 0x80) {
    ++pos;
    return b;
  }
  if ((b & 0xE0) == 0xC0) {
    len = 2;
    cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    len = 3;
    cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    len = 4;
    cp = b & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + static_cast<size_t>(len) > s.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i < len; ++i) {
    const auto c = static_cast<unsigned char>(s[pos + static_cast<size_t>(i)]);
    if ((c & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  const bool overlong = (len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return 0xFFFD;
  }
  pos += static_cast<size_t>(len);
  return cp;
}

void Encode(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0xA0 || c == 0x3000 ||
         (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0xFEFF;
}

bool IsAsciiLetter(char32_t c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiDigit(char32_t c) { return c >= '0' && c <= '9'; }

char32_t MapOne(char32_t c, char32_t prev, char32_t next) {
  const bool digitAround = IsAsciiDigit(prev) || prev == '.' || prev == ')' || IsAsciiDigit(next);
  const bool leads = !IsAsciiLetter(prev) && IsAsciiDigit(next);  // a marker before a number
  switch (c) {
    case '*': case 0xB7: case 0x2217: case 0x2715: case 0x2716: case 0x2573: case 0x22C5: case 0xD7:
      return 0xD7;
    case 'X':
      return digitAround ? 0xD7 : c;
    case 0x3A6: case 0x3C6: case 0x3D5: case 0x424: case 0x444: case 0x2205: case 0x2300: case 0xD8: case 0xF8:
      return 0x3C6;
    case 'D':
      return leads ? 0x3C6 : c;
    case 'L':
      return leads ? 0x2220 : c;
    case 'I':
      return leads ? 0x5DE5 : c;
    case 'C':
      return leads ? '[' : c;
    case 0x2212: case 0x2010: case 0x2011: case 0x2013: case 0x2014: case 0xFE63:
      return '-';
    case 0x3010: case 0x3014:
      return '[';
    case 0x2018: case 0x2019: case 0x2032: case 0x2033: case '"': case 0x201C: case 0x201D: case 0x5BF8:
      return '\'';
    case 0x53E3: case 0x25A2: case 0x2610: case 0x25FB:
      return 0x25A1;
    case 0x394:
      return 0x3B4;
    case 0x3002:
      return '.';
    default:
      return c;
  }
}

bool Known(char32_t c) {
  if (c >= 0x21 && c < 0x7F) return true;
  return c == 0xD7 || c == 0x3C6 || c == 0x2220 || c == 0x5DE5 || c == 0x25A1 || c == 0x3B4;
}

}  // namespace

std::string FoldWidthAndCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool blank = false;
  for (size_t pos = 0; pos < text.size();) {
    char32_t c = Decode(text, pos);
    if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;
    if (IsBlank(c)) {
      blank = true;
      continue;
    }
    // "δ4 1500×6000": a blank between two numbers parts them.
    if (blank && IsAsciiDigit(c) && !out.empty() && IsAsciiDigit(static_cast<unsigned char>(out.back()))) out += "×";
    blank = false;
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    Encode(out, c);
  }
  return out;
}

bool MapMarkers(std::string_view folded, std::string& out) {
  out.clear();
  char32_t prev = 0;
  for (size_t pos = 0; pos < folded.size();) {
    const char32_t c = Decode(folded, pos);
    size_t look = pos;
    const char32_t next = pos < folded.size() ? Decode(folded, look) : 0;
    const char32_t mapped = MapOne(c, prev, next);
    if (!Known(mapped)) return false;
    Encode(out, mapped);
    prev = c;
  }
  return true;
}

std::string CanonicalNumber(std::string_view digits) {
  std::string_view whole = digits;
  std::string_view frac;
  if (const auto dot = digits.find('.'); dot != std::string_view::npos) {
    whole = digits.substr(0, dot);
    frac = digits.substr(dot + 1);
  }
  while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
  while (!frac.empty() && frac.back() == '0') frac.remove_suffix(1);
  std::string out(whole.empty() ? "0" : whole);
  if (!frac.empty()) out += "." + std::string(frac);
  return out;
}

std::string FormatDim(double value) {
  char buf[400];  // the evaluator reads no exponents: always fixed
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
}

std::optional<std::string_view> ReadNumberText(std::string_view text, size_t& pos) {
  const size_t start = pos;
  size_t i = pos;
  bool dot = false;
  bool digit = false;
  while (i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !dot))) {
    if (text[i] == '.') {
      dot = true;
    } else {
      digit = true;
    }
    ++i;
  }
  if (!digit || i - start > kMaxNumberChars) return std::nullopt;
  pos = i;
  return text.substr(start, i - start);
}

std::optional<double> ReadNumber(std::string_view text, size_t& pos) {
  size_t at = pos;
  const auto digits = ReadNumberText(text, at);
  if (!digits) return std::nullopt;
  std::string s(*digits);
  if (s.front() == '.') s.insert(s.begin(), '0');
  if (s.back() == '.') s.pop_back();
  double value = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
  if (res.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  pos = at;
  return value;
}

std::string NormKey(std::string_view body) {
  std::string out;
  out.reserve(body.size());
  for (size_t i = 0; i < body.size();) {
    if (IsDigit(body[i]) || body[i] == '.') {
      size_t at = i;
      if (const auto digits = ReadNumberText(body, at)) {
        out += CanonicalNumber(*digits);
        i = at;
        continue;
      }
    }
    if (body[i] != '(' && body[i] != ')') out += body[i];
    ++i;
  }
  while (out.size() >= kTimes.size() && out.compare(out.size() - kTimes.size(), kTimes.size(), kTimes) == 0)
    out.resize(out.size() - kTimes.size());
  return out;
}

}  // namespace zelvik::spec
