// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/eval_expression.h"

#include <array>

#include "expr/math_string.h"

namespace zelvik {

namespace {

struct Mapping {
  std::string_view from;
  char to;
};

// Full-width forms come from Chinese input methods; "×" and "÷" are how people write a
// product and a quotient. No target is itself a source and no two sources can overlap,
// so one pass gives the same text as replacing them one after another. "x" and "X" are
// handled apart because of "exp" (IsTimesX).
constexpr std::array<Mapping, 12> kMappings{{
    {"\xEF\xBC\x88", '('},  // （
    {"[", '('},
    {"{", '('},
    {"\xEF\xBC\x89", ')'},  // ）
    {"]", ')'},
    {"}", ')'},
    {"\xEF\xBC\x8C", ','},  // ，
    {"\xEF\xBC\x8B", '+'},  // ＋
    {"\xEF\xBC\x8D", '-'},  // －
    {"\xC3\x97", '*'},      // ×
    {"\\", '/'},
    {"\xC3\xB7", '/'},      // ÷
}};

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

constexpr bool IsLetterCi(char c, char lower) { return c == lower || c == lower - 'a' + 'A'; }

// "x" or "X" used as a times sign, i.e. not the middle of "exp" in any letter case.
bool IsTimesX(std::string_view s, std::size_t i) {
  if (!IsLetterCi(s[i], 'x')) return false;
  const bool inExp = i > 0 && i + 1 < s.size() && IsLetterCi(s[i - 1], 'e') &&
                     IsLetterCi(s[i + 1], 'p');
  return !inExp;
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
    } else if (text.substr(i).starts_with(kIdeographicSpace)) {
      i += kIdeographicSpace.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

std::string NormaliseExpression(std::string_view text) {
  const std::string compact = RemoveBlanks(text);
  const std::string_view s = compact;
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (IsLetterCi(s[i], 'x')) {
      out += IsTimesX(s, i) ? '*' : 'x';
      ++i;
      continue;
    }
    bool mapped = false;
    for (const Mapping& m : kMappings) {
      if (s.substr(i).starts_with(m.from)) {
        out += m.to;
        i += m.from.size();
        mapped = true;
        break;
      }
    }
    if (!mapped) {
      const char c = s[i++];
      out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  return out;
}

double EvalExpression(std::string_view text) {
  const std::string normalised = NormaliseExpression(text);
  CMathString evaluator;
  if (!evaluator.SetExpression(normalised) || !evaluator.CheckSyntax()) return 0.0;
  if (!evaluator.ToPostfix() || evaluator.Evaluate() != CMathString::kOk) return 0.0;
  return evaluator.GetResult();
}

}  // namespace zelvik
