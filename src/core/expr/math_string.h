// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zelvik {

// One entry of the postfix list.
struct MathToken {
  static constexpr int kNumber = 0;
  static constexpr int kOperator = 1;
  static constexpr int kFunction = 2;

  int kind = kOperator;
  double value = 0.0;  // kNumber
  char op = '#';       // kOperator: '+', '-', '*', '/', '~' (unary minus); '#' ends the list
  int function = 0;    // kFunction: code 1..19
};

// Arithmetic evaluator over a normalised expression (ASCII, lower case, no blanks).
// All storage is fixed-size: an evaluation never allocates, and input beyond the
// capacities below is refused like any other malformed text.
//
// Calling order: SetExpression, CheckSyntax, and only after it returned true,
// ToPostfix and Evaluate, and only after status 0, GetResult. Calls out of that order
// are harmless: they fail (CheckSyntax false, Evaluate -1, GetResult 0).
class CMathString {
 public:
  static constexpr std::size_t kMaxText = 99;       // characters of normalised text
  static constexpr std::size_t kMaxTokens = 100;    // postfix entries, end entry included
  static constexpr std::size_t kMaxNumberRun = 31;  // characters of one run of digits and points
  static constexpr std::size_t kMaxBrackets = 50;   // open brackets in CheckSyntax
  static constexpr std::size_t kMaxOperators = 50;  // operator stack of ToPostfix
  static constexpr std::size_t kMaxValues = 50;     // value stack of Evaluate

  // Status codes of Evaluate.
  static constexpr int kOk = 0;
  static constexpr int kDivisionByZero = 1;
  static constexpr int kBadStructure = -1;  // not exactly one value left, or out of storage

  CMathString() = default;

  // Copies the text in. Returns false (and CheckSyntax will fail) when it is longer
  // than kMaxText.
  bool SetExpression(std::string_view text);

  // True when the text may be converted; it is then closed by '#' and its square and
  // curly brackets are rewritten as round ones. Besides the bracket, operator and name
  // rules, a number run longer than kMaxNumberRun or with more than one point fails.
  bool CheckSyntax();

  // Builds the postfix list. Returns false when the text was not checked or the
  // conversion ran out of storage (or met a comma outside brackets); Evaluate then
  // reports kBadStructure.
  bool ToPostfix();

  // Runs the postfix list: 0 success, 1 division by zero, 2..8 domain errors of the
  // functions (see math_functions.h), -1 bad structure.
  int Evaluate();

  // The value after status 0; 0 otherwise.
  double GetResult() const { return result_; }

  // Value of a run of digits and at most one point, built digit by digit (the
  // fractional scale by repeated multiplication by 0.1). "." alone is 0. Reading stops
  // at a second point.
  static double ReadNumber(std::string_view run);

  // The text as it stands: after CheckSyntax closed by '#' with round brackets only.
  std::string_view Expression() const {
    return {expression_.data(), length_ + (expression_[length_] == '#' ? 1 : 0)};
  }

 private:
  enum class Stage { kEmpty, kRefused, kSet, kChecked, kConverted };

  bool Emit(const MathToken& token);
  bool PushOperator(const MathToken& entry);
  bool PushMultiplicative(char op);
  bool PopToBracket(bool bracketRequired);

  std::array<char, kMaxText + 2> expression_{};  // text, '#', terminator
  std::size_t length_ = 0;                       // without the '#'
  std::array<MathToken, kMaxTokens> tokens_{};
  std::size_t tokenCount_ = 0;
  std::array<MathToken, kMaxOperators> operators_{};  // conversion stack
  std::size_t operatorCount_ = 0;
  double result_ = 0.0;
  Stage stage_ = Stage::kEmpty;
};

}  // namespace zelvik
