// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "weight/format.h"
#include "weight/strip.h"

namespace zelvik {
namespace {

TEST(WeightFormat, FormatWeightByDecimalPlaces) {
  struct Case {
    double v;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {7.85, 0, "8"},         {7.85, 2, "7.85"},         {7.85, 9, "7.850000000"}, {7.85, -1, "0.00"},
      {7.85, 10, "0.00"},     {0.435, 2, "0.43"},        {2.5, 0, "2"},             {3.5, 0, "4"},
      {1234567.891, 1, "1234567.9"}, {-3.08, 2, "-3.08"}, {0, 3, "0.000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatWeight(c.v, c.decimals), c.text) << c.v << " " << c.decimals;
  EXPECT_EQ(FormatUnitWeight(0.889), "0.889");
  EXPECT_EQ(FormatUnitWeight(12.5), "12.500");
  EXPECT_EQ(FormatRopeUnitWeight(160), "160.00");
  EXPECT_EQ(FormatWeight(std::numeric_limits<double>::infinity(), 2), "inf");
  EXPECT_EQ(FormatWeight(1e300, 2).size(), 301u + 3u);
}

TEST(WeightFormat, TrimNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.500000", "12.5"}, {"3.000000", "3"}, {"0.000000", "0"}, {"1200", "1200"}, {"100", "100"},
      {" 1 2.50 ", "12.5"},  {"", ""},          {".", ""},         {"-0.500000", "-0.5"}, {"10.", "10"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(TrimNumber(in), out) << in;
}

TEST(WeightFormat, PreviewValueShowsTheEvaluatedField) {
  EXPECT_EQ(PreviewValue("2*6000"), "12000");
  EXPECT_EQ(PreviewValue(""), "0");
  EXPECT_EQ(PreviewValue("1/3"), "0.333333");
  EXPECT_EQ(PreviewValue("标准大小"), "0");
}

TEST(Strip, PushResultComposesTheExpression) {
  struct Case {
    const char* expression;
    const char* result;
    int sign;
    const char* after;
  };
  const Case cases[] = {
      {"", "7.85", kStripAdd, "7.85"},
      {"0", "7.85", kStripAdd, "7.85"},
      {"7.85", "7.85", kStripAdd, "7.85+7.85"},
      {"7.85", "12.00", kStripAdd, "7.85+12"},
      {"7.85", "12.00", kStripSubtract, "7.85-12"},
      {"0", "12.00", kStripSubtract, "12"},
      {"00", "1", kStripAdd, "00+1"},
      {"1", "壁厚输入错误", kStripAdd, "1+0"},
      {"", "0.000007940", kStripAdd, "0.000008"},
  };
  for (const Case& c : cases) EXPECT_EQ(PushResult(c.expression, c.result, c.sign), c.after) << c.expression;
}

TEST(Strip, ResultFollowsTheDecimalPlaces) {
  EXPECT_EQ(StripResult("7.85+12", 2), "19.85");
  EXPECT_EQ(StripResult("7.85-12", 2), "-4.15");
  EXPECT_EQ(StripResult("2x(3+4)", 2), "14.00");
  EXPECT_EQ(StripResult("2x(3+4)", 0), "14");
  EXPECT_EQ(StripResult("nonsense", 2), "0.00");
  EXPECT_EQ(StripResult("1", 12), "0.00");
  // Growing past the evaluator's capacity fails safely.
  std::string longExpr = "1";
  while (longExpr.size() < 120) longExpr += "+1";
  EXPECT_EQ(StripResult(longExpr, 2), "0.00");
}

}  // namespace
}  // namespace zelvik
