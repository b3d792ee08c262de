// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/second_ticker.h"

namespace zelvik {

std::vector<LocalTime> SecondTicker::Advance(const LocalTime& now) {
  const std::int64_t s = CalendarSeconds(now);
  std::vector<LocalTime> seconds;
  if (last_ && s <= *last_) return seconds;
  if (last_ && s - *last_ <= kMaxMadeUp + 1) {
    for (std::int64_t m = *last_ + 1; m < s; ++m) seconds.push_back(FromCalendarSeconds(m));
  }
  seconds.push_back(now);
  last_ = s;
  return seconds;
}

int MillisecondsToNextTick(int millisecond) {
  if (millisecond < 0) millisecond = 0;
  if (millisecond > 999) millisecond = 999;
  return 1000 - millisecond + kTickMarginMs;
}

}  // namespace zelvik
