// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/autostart.h"
#include "platform/monitor.h"
#include "platform/power.h"
#include "platform/system_task_clock.h"
#include "tasks/task_clock.h"

namespace zelvik::ui {

// What the task window reaches outside itself; tests hand in their own.
struct TaskServices {
  std::shared_ptr<PowerControl> power;
  std::shared_ptr<MonitorControl> monitor;
  std::shared_ptr<AutostartControl> autostart;
  std::shared_ptr<TaskClock> clock;
  // Opens a run task's content.
  std::function<void(const QString&)> run;
  // The program that the autostart entry starts.
  std::filesystem::path executable;
  // The monitor goes off this long after its second, so that the release of a key pressed
  // just then does not switch it on again at once.
  int monitorOffDelayMs = 500;
};

// logind, DPMS, the XDG autostart entry, the system clocks, and LaunchTaskContent.
TaskServices DefaultTaskServices();

// A run task's content: an executable file is started without arguments, anything else
// (a document, a folder, an address) is opened with the desktop's default application.
// False when nothing could be started; the reason is on stderr.
bool LaunchTaskContent(const QString& content);

}  // namespace zelvik::ui
