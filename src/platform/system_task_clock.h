// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tasks/task_clock.h"

namespace zelvik {

// The task timer's clocks: the realtime clock in the local time zone, and the milliseconds
// since boot (suspend included).
class SystemTaskClock : public TaskClock {
 public:
  LocalTime Now(int* millisecond) const override;
  std::uint32_t UptimeMilliseconds() const override;
};

}  // namespace zelvik
