// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "util/utf8.h"

namespace zelvik::cli {

std::string JsonString(std::string_view text) {
  const std::string valid = ReplaceInvalidUtf8(text);
  std::string out = "\"";
  for (char ch : valid) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

namespace {

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "nan";
  return value < 0 ? "-inf" : "inf";
}

std::string Member(std::string_view name, double value, int digits, bool fixed = false) {
  std::string out = JsonString(name) + ": ";
  if (!std::isfinite(value)) {
    const std::string textName = name == "value" ? std::string("text") : std::string(name) + "_text";
    return out + "null, " + JsonString(textName) + ": " + JsonString(NonFiniteText(value));
  }
  char buf[400];
  auto res = fixed        ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed)
             : digits > 0 ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits)
                          : std::to_chars(buf, buf + sizeof buf, value);
  return out + std::string(buf, res.ptr);
}

}  // namespace

std::string JsonNumberMember(std::string_view name, double value) { return Member(name, value, 0); }

std::string JsonFixedMember(std::string_view name, double value) { return Member(name, value, 0, true); }

std::string JsonNumberMember17(std::string_view name, double value) { return Member(name, value, 17); }

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

}  // namespace zelvik::cli
