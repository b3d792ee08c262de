// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expr/eval_expression.h"
#include "expr/math_string.h"
#include "util/numbers.h"

namespace zelvik {
namespace {

// Written out again on purpose: a change of the evaluator's pi must break these tests.
constexpr double kPi = 3.1415926;

struct Row {
  std::string text;
  double value;
};

void ExpectExact(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE("text: [" + row.text + "]");
    const double got = EvalExpression(row.text);
    EXPECT_EQ(got, row.value);
    EXPECT_EQ(std::signbit(got), std::signbit(row.value));
  }
}

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(ExprEval, NormalisesBlanksAndAlternativeSymbols) {
  ExpectExact({
      {"", 0},
      {"1200", 1200},
      {" 12 00 ", 1200},
      {"12\t00", 1200},
      {"12\xE3\x80\x80" "00", 1200},  // ideographic space
      {"1,200", 0},
      {"2x3", 6},
      {"2X3", 6},
      {"2\xC3\x97" "3", 6},            // 2×3
      {"8\\2", 4},
      {"8\xC3\xB7" "2", 4},            // 8÷2
      {"\xEF\xBC\x88" "1+2\xEF\xBC\x89\xC3\x97" "3", 9},  // （1+2）×3
      {"[1+2]*{3}", 9},
      {"1\xEF\xBC\x8B" "2", 3},        // 1＋2
      {"5\xEF\xBC\x8D" "2", 3},        // 5－2
      {"pow(2\xEF\xBC\x8C" "3)", 8},   // pow(2，3)
      {"\xEF\xBC\x92", 0},             // full-width digit: not normalised, so refused
  });
}

TEST(ExprEval, ExpIsSparedFromTheTimesSign) {
  const double e = 2.718281828459045;
  ExpectExact({{"exp(1)", e}, {"EXP(1)", e}, {"Exp(1)", e}, {"eXp(1)", e}, {"2exp(0)", 2},
               {"2x exp(0) x 3", 6}});
  EXPECT_EQ(NormaliseExpression("ExP(2)X3"), "exp(2)*3");
  EXPECT_EQ(NormaliseExpression("xp(1)"), "*p(1)");
}

TEST(ExprEval, ImpliedMultiplicationOnlyAfterADigit) {
  ExpectExact({
      {"2(3+4)", 14}, {"9(2)", 18}, {"2sqrt(9)", 6}, {"3sqrt(4)", 6},
      {"(2)(3)", 0},  {"(2)3", 0},  {"2.(3)", 0},    {"sqrt(4)sqrt(4)", 0},
  });
}

TEST(ExprEval, SignsAndPrecedence) {
  ExpectExact({
      {"-2*3", -6},       {"-2*3+10", 4},      {"-2+3", 1},      {"-2-3", -5},
      {"2*-3", 0},        {"2*(-3)", -6},      {"+3", 0},        {"--3", 0},
      {"2-3-4", -5},      {"8/2/2", 2},        {"2+3*4", 14},    {"2*3+4", 10},
      {"(2+3)*4", 20},    {"pow(2,3)*2", 16},  {"2*pow(2,3)", 16}, {"sqrt(sqrt(16))", 2},
      {"mod(pow(2,10),1000)", 24},             {"sqrt(9)+1", 4}, {"1+sqrt(9)", 4},
      {"-(-(-(1)))", -1}, {"-0", 0},  // 0 - value: never a negative zero
  });
}

TEST(ExprEval, Functions) {
  ExpectExact({
      {"pow(2,10)", 1024}, {"pow(2,-1)", 0},   {"pow(2,(-1))", 0.5}, {"mod(7,3)", 1},
      {"mod(-7,3)", -1},   {"mod(7,0)", 0},    {"cot(0)", 0},        {"cosh(0)", 1},
      {"abs(-3)", 3},      {"floor(2.7)", 2},  {"floor(-2.5)", -3},  {"log(1000)", 3},
      {"sqrt(2.25)", 1.5}, {"sin(0)", 0},      {"tanh(0)", 0},
  });
}

TEST(ExprEval, DegreesWithTheShortPi) {
  struct Trig {
    const char* text;
    double expected;
    const char* shown;  // "" when no printed form is fixed
  };
  const Trig rows[] = {
      {"sin(30)", std::sin(30 * kPi / 180), "0.49999999226"},
      {"acos(0.5)", std::acos(0.5) * 180 / kPi, "60.0000010"},
      {"atan(1)", std::atan(1.0) * 180 / kPi, "45.0000008"},
      {"cot(45)", 1 / std::tan(45 * kPi / 180), "1.0000000268"},
      {"sinh(30)", std::sinh(30 * kPi / 180), "0.54785346"},
      {"asin(1)", std::asin(1.0) * 180 / kPi, ""},
      {"acot(1)", (1.5707963 - std::atan(1.0)) * 180 / kPi, ""},
      {"cos(60)", std::cos(60 * kPi / 180), ""},
      {"tan(45)", std::tan(45 * kPi / 180), ""},
      {"tanh(30)", std::tanh(30 * kPi / 180), ""},
      {"cosh(30)", std::cosh(30 * kPi / 180), ""},
      {"sin(30)*2", 2 * std::sin(30 * kPi / 180), ""},
      {"ln(exp(2))", std::log(std::exp(2.0)), ""},
  };
  for (const Trig& row : rows) {
    SCOPED_TRACE(row.text);
    const double got = EvalExpression(row.text);
    EXPECT_DOUBLE_EQ(got, row.expected);
    const std::string shown = row.shown;
    if (!shown.empty()) {
      const int decimals = static_cast<int>(shown.size() - shown.find('.') - 1);
      EXPECT_EQ(FormatFixed(got, decimals), shown);
    }
  }
  EXPECT_EQ(FormatFixed(EvalExpression("sin(30)"), 2), "0.50");
  EXPECT_EQ(EvalExpression("SIN(30)"), EvalExpression("sin(30)"));
}

TEST(ExprEval, FailuresGiveZero) {
  ExpectExact({
      {"sqrt(-1)", 0}, {"ln(0)", 0},    {"log(-5)", 0},  {"acos(2)", 0},   {"asin(-2)", 0},
      {"1/0", 0},      {"5/(3-3)", 0},  {"2^3", 0},      {"1e5", 0},       {"sin30", 0},
      {"sin(30", 0},   {"((1)", 0},     {"1)", 0},       {"abc(1)", 0},    {"5%", 0},
      {"1#", 0},       {"*", 0},        {"(", 0},        {"()", 0},        {"1,2", 0},
      {"(1,2)", 0},    {"pow(1,2),3", 0}, {"1.2.3", 0},  {"..5", 0},       {"1\xE2\x82\xAC", 0},
  });
}

TEST(ExprEval, Numbers) {
  ExpectExact({{"1.5", 1.5}, {".5", 0.5}, {"5.", 5}, {".", 0}, {"0.1+0.2", 0.30000000000000004}});
  EXPECT_EQ(FormatFixed(EvalExpression("0.1+0.2"), 2), "0.30");
  // The fractional scale is built by repeated multiplication, not exact powers of ten.
  EXPECT_EQ(CMathString::ReadNumber("1.25"), 1 + 2 * 0.1 + 5 * (0.1 * 0.1));
  EXPECT_EQ(CMathString::ReadNumber("5."), 5);
  EXPECT_EQ(CMathString::ReadNumber("1.2.3"), 1 + 2 * 0.1);
}

TEST(ExprEval, CapacitiesAreRefusedNotOverrun) {
  const std::string run31 = Repeat("0", 30) + "1";
  ExpectExact({
      {run31, 1},
      {"0" + run31, 0},                                    // 32-character number run
      {"1" + Repeat("+1", 49), 50},                         // 99 characters, 100 tokens
      {"11" + Repeat("+1", 49), 0},                         // 100 characters
      {"  1" + Repeat("+ 1", 49) + " ", 50},               // blanks do not count
      {Repeat("(", 49) + "1" + Repeat(")", 49), 1},         // deepest bracket nesting
      {Repeat("-(", 25) + "1" + Repeat(")", 25), -1},       // operator stack just full
      {Repeat("-(", 26) + "1" + Repeat(")", 26), 0},        // one level too deep
  });
}

TEST(ExprMathString, StatusCodes) {
  const struct {
    const char* text;
    int status;
  } rows[] = {
      {"1+2", 0},      {"1/0", 1},     {"acos(2)", 2},  {"asin(-1.5)", 3}, {"cot(0)", 4},
      {"mod(7,0)", 5}, {"ln(0)", 6},   {"log(0)", 7},   {"sqrt(-1)", 8},   {"", -1},
      {"(2)(3)", -1},  {"+3", -1},     {"pow(2,-1)", -1}, {"(1,2)", -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    CMathString m;
    ASSERT_TRUE(m.SetExpression(row.text));
    ASSERT_TRUE(m.CheckSyntax());
    ASSERT_TRUE(m.ToPostfix());
    EXPECT_EQ(m.Evaluate(), row.status);
    if (row.status != 0) {
      EXPECT_EQ(m.GetResult(), 0);
    }
  }
}

TEST(ExprMathString, CheckSyntaxClosesTheText) {
  CMathString m;
  ASSERT_TRUE(m.SetExpression("[1+2]*{sqrt[9]}"));
  ASSERT_TRUE(m.CheckSyntax());
  EXPECT_EQ(m.Expression(), "(1+2)*(sqrt(9))#");
  ASSERT_TRUE(m.ToPostfix());
  ASSERT_EQ(m.Evaluate(), 0);
  EXPECT_EQ(m.GetResult(), 9);

  for (const char* bad : {"2*-3", "sin30", "1e5", "(1]", "sqrt[4)", "#", "a", "1 2", "X"}) {
    SCOPED_TRACE(bad);
    CMathString n;
    n.SetExpression(bad);
    EXPECT_FALSE(n.CheckSyntax());
  }
}

TEST(ExprMathString, OutOfOrderCallsFailSafely) {
  CMathString m;
  EXPECT_FALSE(m.CheckSyntax());
  EXPECT_FALSE(m.ToPostfix());
  EXPECT_EQ(m.Evaluate(), -1);

  EXPECT_FALSE(m.SetExpression(std::string(100, '1')));
  EXPECT_FALSE(m.CheckSyntax());

  ASSERT_TRUE(m.SetExpression("6*7"));
  EXPECT_FALSE(m.ToPostfix());  // not checked yet
  EXPECT_EQ(m.Evaluate(), -1);
  EXPECT_EQ(m.GetResult(), 0);
  ASSERT_TRUE(m.CheckSyntax());
  ASSERT_TRUE(m.ToPostfix());
  ASSERT_EQ(m.Evaluate(), 0);
  EXPECT_EQ(m.GetResult(), 42);
  EXPECT_EQ(m.Evaluate(), 0);  // the list can be run again
  EXPECT_EQ(m.GetResult(), 42);
}

}  // namespace
}  // namespace zelvik
