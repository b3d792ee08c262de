// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/uptime.h"

#include <time.h>

namespace zelvik {

std::uint32_t MillisecondsSinceBoot() {
  timespec ts{};
  if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0) return 0;
  const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);
}

}  // namespace zelvik
