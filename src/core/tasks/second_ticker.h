// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tasks/task_clock.h"

namespace zelvik {

// Decides which wall-clock seconds a tick of the task timer examines, so that each second
// is examined at most once and a late tick does not lose a second:
// - the first tick examines its own second;
// - a tick in a second already examined examines nothing (two ticks within one second);
// - a tick that finds one or two seconds missed (timer jitter) examines them in order, then
//   its own;
// - after a longer gap (suspend, a blocked event loop, the clock set forward) only its own
//   second: a task whose second has passed is not made up;
// - after the clock is set back nothing, until the clock passes the last second examined.
class SecondTicker {
 public:
  static constexpr int kMaxMadeUp = 2;

  std::vector<LocalTime> Advance(const LocalTime& now);

  // Forgets the past, as at the first tick.
  void Reset() { last_.reset(); }

 private:
  std::optional<std::int64_t> last_;
};

// How long the timer waits from `millisecond` into the current second until just after the
// next wall-clock second begins.
inline constexpr int kTickMarginMs = 20;
int MillisecondsToNextTick(int millisecond);

}  // namespace zelvik
