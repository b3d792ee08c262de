// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace zelvik {

// What a task does when it falls due, in the order of the kind list.
enum class TaskKind : int {
  kReminder = 0,  // "定时提醒": a message box with the content
  kLogOff,        // "定时注销"
  kRestart,       // "定时重启"
  kShutDown,      // "定时关机"
  kStandBy,       // "定时待机"
  kRun,           // "定时运行": opens the content, a program or a document
  kMonitorOff,    // "关显示器"
};
inline constexpr int kTaskKindCount = 7;

// How often a task falls due, in the order of the period list. A stored value outside the
// list is kept as it is; such a task is never due.
enum class TaskPeriod : int {
  kOnce = 0,     // "无周期": at month, day, hour, minute, second of any year
  kEveryMinute,  // at the second
  kEveryHour,    // at minute and second
  kEveryDay,     // at hour, minute and second
  kEveryWeek,    // at weekday, hour, minute and second
  kEveryMonth,   // at day, hour, minute and second
};
inline constexpr int kTaskPeriodCount = 6;

inline constexpr std::array<const char*, kTaskKindCount> kTaskKindNames = {
    "定时提醒", "定时注销", "定时重启", "定时关机", "定时待机", "定时运行", "关显示器"};
inline constexpr std::array<const char*, kTaskPeriodCount> kTaskPeriodNames = {
    "无周期", "每分钟", "每小时", "每  天", "每  周", "每  月"};

// The task list holds at most this many tasks, stored as "任务01" … "任务68".
inline constexpr int kMaxTasks = 68;

struct ScheduledTask {
  TaskKind kind = TaskKind::kReminder;
  std::string content;  // reminder text or the path to open; unused by the other kinds
  TaskPeriod period = TaskPeriod::kOnce;
  int month = 1;    // 1–12
  int weekday = 0;  // 0 Monday … 6 Sunday
  int day = 1;      // 1–31
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const ScheduledTask&) const = default;
};

inline bool IsTaskKind(int kind) { return kind >= 0 && kind < kTaskKindCount; }

}  // namespace zelvik
