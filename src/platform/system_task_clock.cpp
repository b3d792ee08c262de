// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_task_clock.h"

#include <time.h>

#include "platform/uptime.h"

namespace zelvik {

LocalTime SystemTaskClock::Now(int* millisecond) const {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  struct tm tm {};
  localtime_r(&ts.tv_sec, &tm);
  if (millisecond != nullptr) *millisecond = static_cast<int>(ts.tv_nsec / 1000000);
  // A leap second (tm_sec 60) counts as the last second of its minute.
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec};
}

std::uint32_t SystemTaskClock::UptimeMilliseconds() const { return MillisecondsSinceBoot(); }

}  // namespace zelvik
