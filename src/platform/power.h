// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zelvik {

// Ending the session and the machine's power states, for the scheduled tasks. Each call
// returns whether the request was accepted; a refusal has already been reported on stderr.
class PowerControl {
 public:
  virtual ~PowerControl() = default;
  virtual bool LogOff() = 0;    // ends the caller's own session, forced
  virtual bool Restart() = 0;
  virtual bool ShutDown() = 0;
  virtual bool StandBy() = 0;  // suspend to memory
};

// systemd-logind on the system bus ($DBUS_SYSTEM_BUS_ADDRESS, as every D-Bus client reads
// it). Nothing asks the user: polkit decides at once whether the caller may, and a refusal
// is a single line on stderr. Each call waits at most a few seconds for the answer.
class LogindPower : public PowerControl {
 public:
  bool LogOff() override;
  bool Restart() override;
  bool ShutDown() override;
  bool StandBy() override;
};

}  // namespace zelvik
