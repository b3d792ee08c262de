// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zelvik {

// Milliseconds since the system started, suspended time included (CLOCK_BOOTTIME), as an
// unsigned 32-bit count that wraps after about 49.7 days, like the tick count the start-up
// options were made for.
std::uint32_t MillisecondsSinceBoot();

}  // namespace zelvik
