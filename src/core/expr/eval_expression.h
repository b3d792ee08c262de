// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zelvik {

// The value of an arithmetic expression typed by the user (UTF-8), or 0 for empty text
// and for every failure. Never reports anything; cheap enough for every keystroke.
double EvalExpression(std::string_view text);

// The text EvalExpression hands to the evaluator: blanks (' ', tab, U+3000) removed;
// full-width brackets, comma, plus and minus, square and curly brackets, "x", "X", "×",
// "\" and "÷" mapped to their ASCII operators (the "x" of "exp" is kept, in any letter
// case); ASCII letters lower-cased. Other bytes pass unchanged.
std::string NormaliseExpression(std::string_view text);

}  // namespace zelvik
