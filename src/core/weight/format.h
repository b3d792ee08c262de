// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zelvik {

// A weight as the result fields show it: "%.0f" to "%.9f" by the decimal places,
// "0.00" for any other decimal-places value.
std::string FormatWeight(double weight, int decimals);

// Unit weights always show three decimals (wire rope two), whatever the decimal places.
std::string FormatUnitWeight(double q);
std::string FormatRopeUnitWeight(double q);

// Removes every space; when there is a point, trailing zeros and then a trailing point.
// "12.500000" -> "12.5", "3.000000" -> "3".
std::string TrimNumber(std::string_view text);

// The value preview of a field: its text evaluated, printed "%f" and trimmed.
// "2*6000" -> "12000".
std::string PreviewValue(std::string_view fieldText);

}  // namespace zelvik
