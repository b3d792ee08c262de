// SPDX-License-Identifier: GPL-3.0-or-later
// Generated from the product tables by a one-off extraction; do not edit by hand.

#include "weight/tables/tables.h"

namespace zelvik {

namespace {

constexpr SizeEntry kRows[] = {
    {"16", 1.66, ""},
    {"18", 2.16, ""},
    {"20", 2.6, ""},
    {"22", 3.15, ""},
    {"25", 4.06, ""},
    {"28", 5.1, ""},
    {"30", 5.85, ""},
    {"32", 6.66, ""},
    {"34", 7.51, ""},
    {"36", 8.42, ""},
    {"38", 9.39, ""},
    {"40", 10.4, ""},
};

}  // namespace

std::span<const SizeEntry> OctBarTable() { return kRows; }

}  // namespace zelvik
