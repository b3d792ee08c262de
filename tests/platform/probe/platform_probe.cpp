// SPDX-License-Identifier: GPL-3.0-or-later
// Calls one platform service the way the task window does, for the end-to-end tests:
//   platform_probe logoff|restart|shutdown|standby|monitor-off|autostart-disable
//   platform_probe autostart-enable EXECUTABLE
// Exit 0 when the service reports success, 1 when it refused, 2 on bad usage.
#include <cstdio>
#include <string>

#include "platform/autostart.h"
#include "platform/monitor.h"
#include "platform/power.h"

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  zelvik::LogindPower power;
  bool ok = false;
  if (cmd == "logoff" && argc == 2) {
    ok = power.LogOff();
  } else if (cmd == "restart" && argc == 2) {
    ok = power.Restart();
  } else if (cmd == "shutdown" && argc == 2) {
    ok = power.ShutDown();
  } else if (cmd == "standby" && argc == 2) {
    ok = power.StandBy();
  } else if (cmd == "monitor-off" && argc == 2) {
    ok = zelvik::DpmsMonitor().TurnOff();
  } else if (cmd == "autostart-enable" && argc == 3) {
    ok = zelvik::XdgAutostart().Enable(argv[2]);
  } else if (cmd == "autostart-disable" && argc == 2) {
    ok = zelvik::XdgAutostart().Disable();
  } else {
    std::fprintf(stderr, "usage: platform_probe logoff|restart|shutdown|standby|monitor-off|"
                         "autostart-enable EXE|autostart-disable\n");
    return 2;
  }
  return ok ? 0 : 1;
}
