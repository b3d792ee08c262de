// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/check_tasks.h"

#include <numeric>

namespace zelvik {

bool IsTaskDue(const ScheduledTask& task, const LocalTime& t) {
  const bool hms = task.hour == t.hour && task.minute == t.minute && task.second == t.second;
  switch (task.period) {
    case TaskPeriod::kOnce: return task.month == t.month && task.day == t.day && hms;
    case TaskPeriod::kEveryMinute: return task.second == t.second;
    case TaskPeriod::kEveryHour: return task.minute == t.minute && task.second == t.second;
    case TaskPeriod::kEveryDay: return hms;
    case TaskPeriod::kEveryWeek: return task.weekday == WeekdayOf(t.year, t.month, t.day) && hms;
    case TaskPeriod::kEveryMonth: return task.day == t.day && hms;
  }
  return false;
}

DueTasks CheckTasks(TaskTable& table, const LocalTime& t) {
  DueTasks due;
  std::string reminders;
  // The numbers the tasks had before the walk, kept in step with removals.
  std::vector<int> numbers(static_cast<std::size_t>(table.count()));
  std::iota(numbers.begin(), numbers.end(), 1);

  for (int i = 0; i < table.count();) {
    const ScheduledTask task = table.tasks()[static_cast<std::size_t>(i)];
    if (!IsTaskDue(task, t)) {
      ++i;
      continue;
    }
    const bool keepsContent = task.kind == TaskKind::kReminder || task.kind == TaskKind::kRun;
    due.actions.push_back({numbers[static_cast<std::size_t>(i)], task.kind, keepsContent ? task.content : ""});
    if (task.kind == TaskKind::kReminder) reminders += task.content + "\n";
    if (task.period == TaskPeriod::kOnce) {
      table.Remove(i);
      numbers.erase(numbers.begin() + i);
      due.removed.push_back(task);
    } else {
      ++i;
    }
  }
  bool anyReminder = false;
  for (const TaskAction& a : due.actions) anyReminder = anyReminder || a.kind == TaskKind::kReminder;
  if (anyReminder) due.reminder = ReminderTimeLine(t) + "\n" + reminders;
  return due;
}

}  // namespace zelvik
