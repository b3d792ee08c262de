#include "util/numbers.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace zelvik {

namespace {

locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

}  // namespace

double ParseLeadingDouble(std::string_view text) {
  // strtod needs a terminated string; a copy keeps the view's bounds.
  std::string copy(text);
  return strtod_l(copy.c_str(), nullptr, CLocale());
}

std::string FormatFixed(double value, int decimals) {
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return std::string();
  return std::string(buf, res.ptr);
}

}  // namespace zelvik
