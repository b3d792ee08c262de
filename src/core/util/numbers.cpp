// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/numbers.h"

#include <charconv>
#include <clocale>
#include <cstddef>
#include <cstdlib>
#include <locale.h>

namespace zelvik {

namespace {

locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

bool Digit(char c) { return c >= '0' && c <= '9'; }
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The length of the decimal number at the start of s (after its sign), 0 when there is none.
std::size_t DecimalPrefix(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && Digit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && Digit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  // An exponent counts only with digits: "1e" and "1e+" are the number 1.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && Digit(s[j])) {
      while (j < s.size() && Digit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

}  // namespace

double ParseLeadingDouble(std::string_view text) {
  while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
  const std::size_t n = DecimalPrefix(text);
  if (n == 0) return 0;
  // strtod needs a terminated string; on a plain decimal number it reads exactly that.
  const std::string number(text.substr(0, n));
  return strtod_l(number.c_str(), nullptr, CLocale());
}

std::string FormatFixed(double value, int decimals) {
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return std::string();
  return std::string(buf, res.ptr);
}

}  // namespace zelvik
