// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace zelvik::expr {

// The evaluator's approximation of pi; angles are degrees throughout, and results must
// match what users have always seen, so full precision is deliberately not used.
inline constexpr double kPi = 3.1415926;
inline constexpr double kHalfPi = 1.5707963;

// Function codes 1..19 in alphabetical order of their names.
enum FunctionCode : int {
  kAbs = 1, kAcos, kAsin, kAtan, kAcot, kCos, kCosh, kCot, kExp, kFloor,
  kMod, kLn, kLog, kPow, kSin, kSinh, kSqrt, kTan, kTanh,
};

struct FunctionMatch {
  int code = 0;             // 0: no name here
  std::size_t length = 0;  // characters of the name
};

// The function name that starts text at pos, longest first ("cosh" before "cos").
FunctionMatch MatchFunction(std::string_view text, std::size_t pos);

// 1 for most functions, 2 for mod and pow.
int FunctionArity(int code);

// Applies function code to a (and b for arity 2). Returns the status: 0, or the
// function's domain error 2..8; out receives the value on success.
int ApplyFunction(int code, double a, double b, double& out);

}  // namespace zelvik::expr
