// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <string>

#include "tasks/scheduled_task.h"
#include "tasks/task_clock.h"

// The task window's lines in the interface's language. In Chinese they are the core's own
// (TaskLine, ClockLine, UptimeLine, ReminderTimeLine), which zelvik-cli prints.
namespace zelvik::ui {

class TaskTexts {
  Q_DECLARE_TR_FUNCTIONS(TaskTexts)

 public:
  // "2、每周1 18:00:00 系统关机"
  static QString Line(int number, const ScheduledTask& task);
  // "现在时间:2013-11-17 10:30:00星期日"
  static QString Clock(const LocalTime& t);
  // "系统已运行: 5小时12分3秒"
  static QString Uptime(std::uint32_t milliseconds);
  // The reminder box's text of the core (its time line, then the reminders) with the time
  // line in the interface's language.
  static QString Reminder(const LocalTime& t, const std::string& coreText);
  // "星期一" … as the weekday list shows them ("Mon" … in English).
  static QString ShortWeekday(int weekday);

 private:
  static QString PeriodPart(int number, const ScheduledTask& t);
  static QString WeekDay(int weekday);
};

}  // namespace zelvik::ui
