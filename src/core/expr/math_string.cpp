// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/math_string.h"

#include "expr/math_functions.h"

namespace zelvik {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsNumberChar(char c) { return IsDigit(c) || c == '.'; }
constexpr bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
constexpr bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }

constexpr char Opening(char closing) {
  return closing == ')' ? '(' : closing == ']' ? '[' : '{';
}

constexpr MathToken OperatorEntry(char op) { return {MathToken::kOperator, 0.0, op, 0}; }

// Length of the run of digits and points at pos; the run is refused when it is too long
// for the reader or has a second point (its value would be meaningless).
struct NumberRun {
  std::size_t length = 0;
  bool valid = false;
};

NumberRun ScanNumber(std::string_view text, std::size_t pos) {
  NumberRun run;
  int points = 0;
  while (pos + run.length < text.size() && IsNumberChar(text[pos + run.length])) {
    if (text[pos + run.length] == '.') ++points;
    ++run.length;
  }
  run.valid = run.length <= CMathString::kMaxNumberRun && points <= 1;
  return run;
}

}  // namespace

bool CMathString::SetExpression(std::string_view text) {
  tokenCount_ = 0;
  operatorCount_ = 0;
  result_ = 0.0;
  if (text.size() > kMaxText) {
    length_ = 0;
    expression_[0] = '\0';
    stage_ = Stage::kRefused;
    return false;
  }
  text.copy(expression_.data(), text.size());
  length_ = text.size();
  expression_[length_] = '\0';
  stage_ = Stage::kSet;
  return true;
}

bool CMathString::CheckSyntax() {
  if (stage_ == Stage::kEmpty || stage_ == Stage::kRefused) return false;
  const std::string_view text(expression_.data(), length_);
  std::array<char, kMaxBrackets> brackets{};
  std::size_t depth = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (IsOpening(c)) {
      if (depth == brackets.size()) return false;
      brackets[depth++] = c;
      ++i;
    } else if (c == ')' || c == ']' || c == '}') {
      if (depth == 0 || brackets[depth - 1] != Opening(c)) return false;
      --depth;
      ++i;
    } else if (IsOperator(c)) {
      if (i + 1 < text.size() && IsOperator(text[i + 1])) return false;
      ++i;
    } else if (IsNumberChar(c)) {
      const NumberRun run = ScanNumber(text, i);
      if (!run.valid) return false;
      i += run.length;
    } else if (c == ',') {
      ++i;
    } else {
      const expr::FunctionMatch f = expr::MatchFunction(text, i);
      if (f.code == 0) return false;
      i += f.length;
      if (i >= text.size() || !IsOpening(text[i])) return false;
      if (depth == brackets.size()) return false;
      brackets[depth++] = text[i];
      ++i;
    }
  }
  if (depth != 0) return false;
  for (std::size_t k = 0; k < length_; ++k) {
    char& c = expression_[k];
    if (c == '[' || c == '{') c = '(';
    if (c == ']' || c == '}') c = ')';
  }
  expression_[length_] = '#';
  expression_[length_ + 1] = '\0';
  stage_ = Stage::kChecked;
  return true;
}

bool CMathString::Emit(const MathToken& token) {
  if (tokenCount_ == tokens_.size()) return false;
  tokens_[tokenCount_++] = token;
  return true;
}

bool CMathString::PushOperator(const MathToken& entry) {
  if (operatorCount_ == operators_.size()) return false;
  operators_[operatorCount_++] = entry;
  return true;
}

// "*", "/" and the implied "*": earlier "*", "/" and functions are complete and go out first.
bool CMathString::PushMultiplicative(char op) {
  while (operatorCount_ > 0) {
    const MathToken& top = operators_[operatorCount_ - 1];
    const bool binds = top.kind == MathToken::kFunction ||
                       (top.kind == MathToken::kOperator && (top.op == '*' || top.op == '/'));
    if (!binds) break;
    if (!Emit(top)) return false;
    --operatorCount_;
  }
  return PushOperator(OperatorEntry(op));
}

// Moves the stack to the output down to the nearest "(" (left in place). Returns false
// when the output is full, or when there is no "(" and one was required.
bool CMathString::PopToBracket(bool bracketRequired) {
  while (operatorCount_ > 0) {
    const MathToken& top = operators_[operatorCount_ - 1];
    if (top.kind == MathToken::kOperator && top.op == '(') return true;
    if (!Emit(top)) return false;
    --operatorCount_;
  }
  return !bracketRequired;
}

bool CMathString::ToPostfix() {
  tokenCount_ = 0;
  operatorCount_ = 0;
  result_ = 0.0;
  if (stage_ != Stage::kChecked && stage_ != Stage::kConverted) return false;
  stage_ = Stage::kSet;  // until the list is complete; the text must be checked again
  const std::string_view text(expression_.data(), length_);
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const bool afterDigit = i > 0 && IsDigit(text[i - 1]);
    if (IsNumberChar(c)) {
      const NumberRun run = ScanNumber(text, i);
      if (!run.valid) return false;
      if (!Emit({MathToken::kNumber, ReadNumber(text.substr(i, run.length)), '#', 0})) {
        return false;
      }
      i += run.length;
      continue;
    }
    switch (c) {
      case '(':
        if (afterDigit && !PushMultiplicative('*')) return false;
        if (!PushOperator(OperatorEntry('('))) return false;
        break;
      case ')':
        if (!PopToBracket(true)) return false;
        --operatorCount_;
        break;
      case '-':
      case '+':
        if (c == '-' && (i == 0 || text[i - 1] == '(')) {
          if (!PushOperator(OperatorEntry('~'))) return false;
          break;
        }
        if (!PopToBracket(false) || !PushOperator(OperatorEntry(c))) return false;
        break;
      case '*':
      case '/':
        if (!PushMultiplicative(c)) return false;
        break;
      case ',':
        // Arguments live inside a bracket; a comma outside one has nothing to close.
        if (!PopToBracket(true)) return false;
        break;
      default: {
        const expr::FunctionMatch f = expr::MatchFunction(text, i);
        if (f.code == 0) return false;
        if (afterDigit && !PushMultiplicative('*')) return false;
        if (!PushOperator({MathToken::kFunction, 0.0, '#', f.code})) return false;
        i += f.length;  // the "(" that follows is handled as above
        continue;
      }
    }
    ++i;
  }
  while (operatorCount_ > 0) {
    if (!Emit(operators_[--operatorCount_])) return false;
  }
  if (!Emit(OperatorEntry('#'))) return false;
  stage_ = Stage::kConverted;
  return true;
}

int CMathString::Evaluate() {
  result_ = 0.0;
  if (stage_ != Stage::kConverted) return kBadStructure;
  std::array<double, kMaxValues> values{};
  std::size_t count = 0;
  for (std::size_t t = 0; t < tokenCount_; ++t) {
    const MathToken& token = tokens_[t];
    if (token.kind == MathToken::kNumber) {
      if (count == values.size()) return kBadStructure;
      values[count++] = token.value;
      continue;
    }
    if (token.kind == MathToken::kFunction) {
      const int arity = expr::FunctionArity(token.function);
      if (count < static_cast<std::size_t>(arity)) return kBadStructure;
      const double a = values[count - arity];
      const double b = arity == 2 ? values[count - 1] : 0.0;
      double out = 0.0;
      const int status = expr::ApplyFunction(token.function, a, b, out);
      if (status != kOk) return status;
      count -= arity;
      values[count++] = out;
      continue;
    }
    if (token.op == '#') break;
    if (token.op == '~') {
      if (count < 1) return kBadStructure;
      values[count - 1] = 0 - values[count - 1];
      continue;
    }
    if (count < 2) return kBadStructure;
    const double left = values[count - 2];
    const double right = values[count - 1];
    double out = 0.0;
    switch (token.op) {
      case '+': out = left + right; break;
      case '-': out = left - right; break;
      case '*': out = left * right; break;
      case '/':
        if (right == 0) return kDivisionByZero;
        out = left / right;
        break;
      default: return kBadStructure;
    }
    --count;
    values[count - 1] = out;
  }
  if (count != 1) return kBadStructure;
  result_ = values[0];
  return kOk;
}

double CMathString::ReadNumber(std::string_view run) {
  double value = 0.0;
  double scale = 0.1;
  bool fraction = false;
  for (const char c : run) {
    if (c == '.') {
      if (fraction) break;
      fraction = true;
    } else if (IsDigit(c)) {
      if (fraction) {
        value += (c - '0') * scale;
        scale *= 0.1;
      } else {
        value = value * 10 + (c - '0');
      }
    } else {
      break;
    }
  }
  return value;
}

}  // namespace zelvik
