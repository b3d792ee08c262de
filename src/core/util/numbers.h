// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zelvik {

// Plain decimal conversion as atof does it in the "C" locale: leading blanks skipped, the
// longest leading decimal number taken (sign, digits, point, exponent), 0 when there is none.
// Only decimal: "inf", "nan" and hexadecimal forms, which glibc's atof also reads, give 0 (or
// the 0 before the x). Never uses the user's locale.
double ParseLeadingDouble(std::string_view text);

// The value as printf("%.*f") prints it in the "C" locale (correctly rounded).
std::string FormatFixed(double value, int decimals);

}  // namespace zelvik
