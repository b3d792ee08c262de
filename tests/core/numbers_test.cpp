// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "util/numbers.h"

namespace zelvik {
namespace {

TEST(Numbers, ParseLeadingDoubleLikeAtof) {
  const std::pair<const char*, double> cases[] = {
      {"7.85", 7.85}, {"  8", 8},     {"7.85+1", 7.85}, {"", 0},        {"abc", 0},  {"12.5kg", 12.5},
      {"-3", -3},     {"+2.5", 2.5},  {".5", 0.5},      {"1e2", 100},   {"\t 4x", 4}, {"5.", 5},
      // Decimal only: glibc's atof would read these as infinity, NaN, 16 and 8.
      {"inf", 0},     {"-infinity", 0}, {"nan", 0},     {"NAN(1)", 0},  {"0x10", 0}, {"0x1p3", 0},
      // An exponent needs digits; a sign or point alone is no number.
      {"1e", 1},      {"2E+", 2},     {"3e-1x", 0.3},   {"-", 0},       {".", 0},    {"+.e1", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ParseLeadingDouble(text), value) << text;
  EXPECT_EQ(ParseLeadingDouble("1e999"), HUGE_VAL);  // too large for a double, as atof gives it
}

TEST(Numbers, FormatFixedIgnoresTheUserLocale) {
  // A locale with a decimal comma must not leak into results.
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  // scripts/deps generates the locale; without it this test would prove nothing.
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not installed";
  EXPECT_EQ(std::localeconv()->decimal_point[0], ',');
  EXPECT_EQ(FormatFixed(7.85, 2), "7.85");
  EXPECT_DOUBLE_EQ(ParseLeadingDouble("7.85"), 7.85);
  EXPECT_DOUBLE_EQ(ParseLeadingDouble("7,85"), 7);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(FormatFixed(0.5, 0), "0");
  EXPECT_EQ(FormatFixed(1.5, 0), "2");
  EXPECT_EQ(FormatFixed(1.0 / 3, 6), "0.333333");
}

}  // namespace
}  // namespace zelvik
