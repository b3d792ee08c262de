#pragma once

#include <cstddef>
#include <string_view>

namespace zelvik {

// The leading part of UTF-8 text holding at most `count` whole characters. A malformed
// byte counts as one character, so the cut never runs past the text.
std::string_view FirstCharacters(std::string_view text, size_t count);

}  // namespace zelvik
