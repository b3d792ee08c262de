// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace zelvik {

// The density field is a plain number, not an expression: the leading decimal number of
// its first 29 characters, 0 when the text does not begin with one ("7.85+1" is 7.85).
double DensityFromFieldText(std::string_view text);

}  // namespace zelvik
