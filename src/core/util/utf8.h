// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvik {

// The leading part of UTF-8 text holding at most `count` whole characters. A malformed
// byte counts as one character, so the cut never runs past the text.
std::string_view FirstCharacters(std::string_view text, size_t count);

// Length of the well-formed UTF-8 sequence at text[pos] (Unicode's table 3-7: no overlong
// forms, no surrogates, nothing above U+10FFFF), or 0 when the bytes there do not start one.
size_t Utf8SequenceLength(std::string_view text, size_t pos);

bool IsValidUtf8(std::string_view text);

// The text with each maximal ill-formed subpart replaced by U+FFFD, as Unicode recommends.
std::string ReplaceInvalidUtf8(std::string_view text);

}  // namespace zelvik
