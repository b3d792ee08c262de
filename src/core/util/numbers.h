#pragma once

#include <string>
#include <string_view>

namespace zelvik {

// Plain decimal conversion as the C library's atof does it in the "C" locale: leading
// blanks skipped, the longest leading number taken, 0 when there is none. Never uses
// the user's locale.
double ParseLeadingDouble(std::string_view text);

// The value as printf("%.*f") prints it in the "C" locale (correctly rounded).
std::string FormatFixed(double value, int decimals);

}  // namespace zelvik
