// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace zelvik {

// The bearing catalogue: 2,110 fixed-layout lines, twelve blocks of one kind each, every block
// a heading line (the kind and its standard) followed by its bearings.
inline constexpr int kBearingKinds = 12;

std::span<const std::string_view> BearingLines();

// The kind list: "全部滚动轴承", then the twelve headings in kind order (13 entries).
std::span<const std::string_view> BearingKindEntries();

// The line that choosing a kind-list entry selects: its kind's heading (entries 0 and 1 both
// select line 0); −1 for an entry outside 0 … 12.
int BearingLineOfEntry(int entry);

// The kind-list entry (1 … 12) that selecting a line shows: the kind whose block holds it,
// heading included; −1 for line 0, which leaves the kind list as it is, and for lines outside
// the list.
int BearingEntryOfLine(int line);

// The line that "find next" selects when line `selected` is selected (−1: no selection, which
// searches as if line 0 were selected): the next line containing `text`, wrapping past the
// last line and ending with the start line itself; −1 when no line matches.
int FindBearingLine(int selected, std::string_view text);

}  // namespace zelvik
