// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/math_functions.h"

#include <array>
#include <cmath>

namespace zelvik::expr {

namespace {

struct FunctionName {
  std::string_view name;
  int code;
};

// Names sharing a prefix are listed longest first so the first hit is the right one.
constexpr std::array<FunctionName, 19> kNames{{
    {"abs", kAbs},   {"acos", kAcos},   {"asin", kAsin}, {"atan", kAtan}, {"acot", kAcot},
    {"cosh", kCosh}, {"cos", kCos},     {"cot", kCot},   {"exp", kExp},   {"floor", kFloor},
    {"ln", kLn},     {"log", kLog},     {"mod", kMod},   {"pow", kPow},   {"sinh", kSinh},
    {"sin", kSin},   {"sqrt", kSqrt},   {"tanh", kTanh}, {"tan", kTan},
}};

constexpr double Radians(double degrees) { return degrees * kPi / 180; }
constexpr double Degrees(double radians) { return radians * 180 / kPi; }

}  // namespace

FunctionMatch MatchFunction(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return {};
  const std::string_view rest = text.substr(pos);
  for (const FunctionName& f : kNames) {
    if (rest.starts_with(f.name)) return {f.code, f.name.size()};
  }
  return {};
}

int FunctionArity(int code) { return code == kMod || code == kPow ? 2 : 1; }

int ApplyFunction(int code, double a, double b, double& out) {
  switch (code) {
    case kAbs: out = std::fabs(a); return 0;
    case kAcos:
      if (a < -1 || a > 1) return 2;
      out = Degrees(std::acos(a));
      return 0;
    case kAsin:
      if (a < -1 || a > 1) return 3;
      out = Degrees(std::asin(a));
      return 0;
    case kAtan: out = Degrees(std::atan(a)); return 0;
    case kAcot: out = (kHalfPi - std::atan(a)) * 180 / kPi; return 0;
    case kCos: out = std::cos(Radians(a)); return 0;
    case kCosh: out = std::cosh(Radians(a)); return 0;
    case kCot: {
      // Only an exact zero tangent is refused; tan(pi'/2) is merely huge, since pi'
      // is not pi.
      const double t = std::tan(Radians(a));
      if (t == 0) return 4;
      out = 1 / t;
      return 0;
    }
    case kExp: out = std::exp(a); return 0;
    case kFloor: out = std::floor(a); return 0;
    case kMod:
      if (b == 0) return 5;
      out = std::fmod(a, b);
      return 0;
    case kLn:
      if (a <= 0) return 6;
      out = std::log(a);
      return 0;
    case kLog:
      if (a <= 0) return 7;
      out = std::log10(a);
      return 0;
    case kPow: out = std::pow(a, b); return 0;
    case kSin: out = std::sin(Radians(a)); return 0;
    case kSinh: out = std::sinh(Radians(a)); return 0;
    case kSqrt:
      if (a < 0) return 8;
      out = std::sqrt(a);
      return 0;
    case kTan: out = std::tan(Radians(a)); return 0;
    case kTanh: out = std::tanh(Radians(a)); return 0;
    default: return -1;
  }
}

}  // namespace zelvik::expr
