#pragma once

#include <string>
#include <string_view>

namespace zelvik::cli {

// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view text);

// A JSON number: the shortest text that reads back as the same double; non-finite values
// as the tokens JavaScript and Python's json module accept (Infinity, -Infinity, NaN).
std::string JsonNumber(double value);

// The value as printf("%.17g") prints it, with the same non-finite tokens.
std::string JsonNumber17(double value);

}  // namespace zelvik::cli
