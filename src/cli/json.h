// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zelvik::cli {

// Everything zelvik-cli prints is RFC 8259 JSON in valid UTF-8.

// A JSON string literal. Bytes that are not valid UTF-8 (from arguments or files) become
// U+FFFD, one per maximal invalid subpart, so jq and JSON.parse always read the output.
std::string JsonString(std::string_view text);

// `"name": V` for a number: the shortest text that reads back as the same double. JSON has
// no non-finite number, so those print as `"name": null, "T": "inf"` ("-inf", "nan"), where T
// is "text" for a member named "value" and "name_text" otherwise.
std::string JsonNumberMember(std::string_view name, double value);
// The same without an exponent (100000, not 1e+05): lengths and weights for people.
std::string JsonFixedMember(std::string_view name, double value);
// The same with the value as printf("%.17g") prints it.
std::string JsonNumberMember17(std::string_view name, double value);

// A bare JSON number for values known to be finite (table data); null otherwise.
std::string JsonNumber(double value);

}  // namespace zelvik::cli
