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

// The task list against the configuration file, as the task window does it. Each write is
// one locked rewrite; a file found empty (0 bytes) is deleted.

// Reads the tasks and stores them again (renumbered, display lines rebuilt). False when the
// file could not be written; the table holds the tasks all the same.
bool LoadTasks(IniFile& config, TaskTable& table);
bool SaveTasks(IniFile& config, const TaskTable& table);

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
// as the file gives it back) and saves.
TaskAddOutcome AddTask(IniFile& config, TaskTable& table, ScheduledTask task);
// False when there is no task at the position; *stored tells whether the file was written.
bool DeleteTask(IniFile& config, TaskTable& table, int position, bool* stored = nullptr);
bool ClearTasks(IniFile& config, TaskTable& table);

}  // namespace zelvik
