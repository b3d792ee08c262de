// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/bearing_catalogue.h"

#include <array>

#include "reference/find_next.h"

namespace zelvik {

namespace {

constexpr std::array<int, kBearingKinds> kHeadingLines = {0, 257, 349, 1165, 1458, 1618, 1695, 1804, 1856, 2030, 2084, 2099};

}  // namespace

std::span<const std::string_view> BearingKindEntries() {
  static const std::array<std::string_view, kBearingKinds + 1> entries = [] {
    std::array<std::string_view, kBearingKinds + 1> e{};
    e[0] = "全部滚动轴承";
    for (int k = 0; k < kBearingKinds; ++k) e[k + 1] = BearingLines()[kHeadingLines[k]];
    return e;
  }();
  return entries;
}

int BearingLineOfEntry(int entry) {
  if (entry < 0 || entry > kBearingKinds) return -1;
  return entry == 0 ? 0 : kHeadingLines[entry - 1];
}

int BearingEntryOfLine(int line) {
  if (line <= 0 || line >= static_cast<int>(BearingLines().size())) return -1;
  int kind = 1;
  while (kind < kBearingKinds && line >= kHeadingLines[kind]) ++kind;
  return kind;
}

int FindBearingLine(int selected, std::string_view text) {
  const std::span<const std::string_view> lines = BearingLines();
  const int count = static_cast<int>(lines.size());
  const int start = selected >= 0 && selected < count ? selected : 0;
  return FindNext(count, start, [&](int i) { return ContainsText(lines[i], text); });
}

}  // namespace zelvik
