// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace zelvik {

// Whether `text` occurs in the UTF-8 `cell`, exactly and case-sensitively, at a character
// boundary (a match never begins inside a multi-byte character). Empty text occurs everywhere.
bool ContainsText(std::string_view cell, std::string_view text);

// The wrap-around "find next" of the lookup windows: visits rows start + 1 … count − 1, then
// 0 … start, each at most once, and returns the first row for which matches(row) holds, or −1.
// A start outside 0 … count − 1 (−1: nothing found yet) visits 0 … count − 1.
template <class Matches>
int FindNext(int count, int start, Matches&& matches) {
  if (start < 0 || start >= count) start = -1;
  for (int row = start + 1; row < count; ++row) {
    if (matches(row)) return row;
  }
  for (int row = 0; row <= start; ++row) {
    if (matches(row)) return row;
  }
  return -1;
}

}  // namespace zelvik
