// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zelvik {

// Switches the monitor off, for the scheduled tasks.
class MonitorControl {
 public:
  virtual ~MonitorControl() = default;
  // False when there is no display to switch off or the display refused.
  virtual bool TurnOff() = 0;
};

// DPMS "force off" on the X display named by $DISPLAY (XWayland included); without an X
// display it does nothing. Any input switches the monitor on again, so callers wait a
// moment after the last key press before calling.
class DpmsMonitor : public MonitorControl {
 public:
  bool TurnOff() override;
};

}  // namespace zelvik
