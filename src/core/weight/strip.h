// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The calculator strip's arithmetic: collecting weights into its expression and its result.
namespace zelvik {

enum StripSign : int { kStripAdd = 0, kStripSubtract = 1 };

// The strip expression after a "重量" button pushed the result text shown beside it. The
// number pushed is the result as shown (evaluated, "%f", trimmed), not the full weight.
// An empty expression or "0" is replaced; otherwise the number is appended with the sign.
std::string PushResult(std::string_view expression, std::string_view resultText, int signMode);

// The strip's result field for its expression at the given decimal places.
std::string StripResult(std::string_view expression, int decimals);

}  // namespace zelvik
