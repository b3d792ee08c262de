// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "tasks/task_services.h"

namespace zelvik::ui::test {

// Records what the task window asked of the platform.
struct FakePower : PowerControl {
  QStringList calls;
  bool LogOff() override { return Record("LogOff"); }
  bool Restart() override { return Record("Restart"); }
  bool ShutDown() override { return Record("ShutDown"); }
  bool StandBy() override { return Record("StandBy"); }
  bool Record(const char* what) {
    calls << QString::fromLatin1(what);
    return true;
  }
};

struct FakeMonitor : MonitorControl {
  int turnedOff = 0;
  bool TurnOff() override {
    ++turnedOff;
    return true;
  }
};

struct FakeAutostart : AutostartControl {
  QStringList calls;
  bool fail = false;
  bool Enable(const std::filesystem::path& exe) override {
    calls << QStringLiteral("Enable ") + QString::fromStdString(exe.string());
    return !fail;
  }
  bool Disable() override {
    calls << QStringLiteral("Disable");
    return !fail;
  }
};

// A clock the test sets; it stands still until set again.
struct FakeClock : TaskClock {
  LocalTime now{2013, 11, 17, 10, 30, 0};
  int millisecond = 100;
  std::uint32_t uptime = 5 * 3600000u + 12 * 60000u + 3000u;
  LocalTime Now(int* ms) const override {
    if (ms != nullptr) *ms = millisecond;
    return now;
  }
  std::uint32_t UptimeMilliseconds() const override { return uptime; }
};

// One set of fakes and the services that lead to them.
struct FakeTaskServices {
  std::shared_ptr<FakePower> power = std::make_shared<FakePower>();
  std::shared_ptr<FakeMonitor> monitor = std::make_shared<FakeMonitor>();
  std::shared_ptr<FakeAutostart> autostart = std::make_shared<FakeAutostart>();
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  std::shared_ptr<QStringList> runs = std::make_shared<QStringList>();

  TaskServices Services() const {
    TaskServices s;
    s.power = power;
    s.monitor = monitor;
    s.autostart = autostart;
    s.clock = clock;
    s.run = [runs = runs](const QString& content) { *runs << content; };
    s.executable = "/opt/zelvik/zelvik";
    s.monitorOffDelayMs = 50;
    return s;
  }
};

}  // namespace zelvik::ui::test
