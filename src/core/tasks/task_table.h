// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/ini_file.h"
#include "tasks/scheduled_task.h"

namespace zelvik {

// The task list in list order: task i is line i and is stored as number i + 1.
class TaskTable {
 public:
  // LoadTasks' reading: the leading run of sections "任务01", "任务02", … whose kind is one
  // of the seven; the first missing section or unknown kind ends the list.
  void Load(const IniDocument& config);

  const std::vector<ScheduledTask>& tasks() const { return tasks_; }
  int count() const { return static_cast<int>(tasks_.size()); }
  bool full() const { return count() >= kMaxTasks; }
  // The position of the first task equal to this one, preferring `hint`; -1 when none is.
  int Find(const ScheduledTask& task, int hint = -1) const;

  // False when the table already holds 68 tasks.
  bool Add(const ScheduledTask& task);
  // Removes a task, moving the later ones up; false outside 0 … count − 1.
  bool Remove(int position);
  void Clear() { tasks_.clear(); }

  // The display lines, numbered from 1.
  std::vector<std::string> Lines() const;

  // The stored form: each task's section with the keys its period uses, and no task
  // section numbered beyond the count. A section there would otherwise come back as a task
  // once the sections before it are filled again, however long ago it was dropped. False
  // when a value cannot be stored (the document is then partly written).
  bool WriteTo(IniDocument& config) const;

 private:
  std::vector<ScheduledTask> tasks_;
};

// "任务%02d" of a task number (1 … 68).
std::string TaskSection(int number);

// A task's display line, e.g. "2、每周1 18:00:00 系统关机".
std::string TaskLine(int number, const ScheduledTask& task);

// The value stored as "txy%02d": the content for reminders and run tasks, otherwise the
// fixed text of the kind ("系统注销" …).
std::string StoredTaskText(const ScheduledTask& task);

// The task list against the configuration file. Every change is one locked read-change-write
// of the file: the list is read under the lock, changed and written back, so that a task
// another writer (a second copy, zelvik-cli) stored meanwhile is kept. Afterwards the table
// holds the list as the file then holds it, also when the write failed. A file found empty
// (0 bytes) is deleted. The functions return false when the file could not be written.

// Reads the tasks and stores them again (renumbered, display lines rebuilt).
bool LoadTasks(IniFile& config, TaskTable& table);
// Reads the list again when the file has changed since the table last saw it; true when it
// did. Nothing is written.
bool RefreshTasks(IniFile& config, TaskTable& table);

enum class TaskAddResult {
  kAdded,
  kFull,         // "任务数量超出范围"
  kNotStorable,  // the content holds a line break or a character without a GBK code
};
struct TaskAddOutcome {
  TaskAddResult result;
  bool stored;
};
// Message box of a refused add (caption "警告").
const char* TaskAddMessage(TaskAddResult result);

// Appends the task (a reminder's text or a run task's path without the blanks around it,
// as the file gives it back) to the file's list.
TaskAddOutcome AddTask(IniFile& config, TaskTable& table, ScheduledTask task);
// Deletes the task the table shows at the position from the file's list: there when it is
// still there, otherwise the first task equal to it; nothing when another writer has deleted
// it already. False when the table has no task at the position; *stored tells whether the
// file holds the outcome.
bool DeleteTask(IniFile& config, TaskTable& table, int position, bool* stored = nullptr);
bool ClearTasks(IniFile& config, TaskTable& table);
// Takes once-only tasks that fell due out of the file's list, each as its first equal task.
bool RemoveTasks(IniFile& config, TaskTable& table, const std::vector<ScheduledTask>& tasks);

}  // namespace zelvik
