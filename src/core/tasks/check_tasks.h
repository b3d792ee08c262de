// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tasks/task_clock.h"
#include "tasks/task_table.h"

namespace zelvik {

// One thing to carry out in a second, in list order.
struct TaskAction {
  int task;  // the task's number (1-based) before the second was examined
  TaskKind kind;
  std::string content;  // a reminder's text or a run task's path; empty otherwise
};

struct DueTasks {
  std::vector<TaskAction> actions;
  // The reminder box's text: the time line, "\n", each reminder followed by "\n";
  // nullopt when no reminder fell due.
  std::optional<std::string> reminder;
  // The once-only tasks that fell due and were taken out of the table: take them out of
  // the file before acting.
  std::vector<ScheduledTask> removed;
};

// Is the task due in that second?
bool IsTaskDue(const ScheduledTask& task, const LocalTime& t);

// The walk over the task list for one second. A due once-only task is removed at once, so
// the task that moves up into its place is examined next and every task exactly once.
// Nothing is carried out or stored here.
DueTasks CheckTasks(TaskTable& table, const LocalTime& t);

}  // namespace zelvik
