// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/task_table.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>

namespace zelvik {

namespace {

std::string Two(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", value);
  return buf;
}

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// A carriage return or NUL inside a value (a hand-edited file) reads back but cannot be
// written again; dropping it keeps every later save of the list from failing.
std::string Storable(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
  return text;
}

bool KeepsContent(TaskKind kind) { return kind == TaskKind::kReminder || kind == TaskKind::kRun; }

// Which time keys a period stores, besides the second that every task stores.
struct PeriodKeys {
  bool month, day, weekday, hour, minute;
};

PeriodKeys KeysOf(TaskPeriod period) {
  switch (period) {
    case TaskPeriod::kOnce: return {true, true, false, true, true};
    case TaskPeriod::kEveryMinute: return {false, false, false, false, false};
    case TaskPeriod::kEveryHour: return {false, false, false, false, true};
    case TaskPeriod::kEveryDay: return {false, false, false, true, true};
    case TaskPeriod::kEveryWeek: return {false, false, true, true, true};
    case TaskPeriod::kEveryMonth: return {false, true, false, true, true};
  }
  return {false, false, false, false, false};
}

std::string PeriodPart(int number, const ScheduledTask& t) {
  const std::string n = std::to_string(number) + "、";
  const std::string hms = Two(t.hour) + ":" + Two(t.minute) + ":" + Two(t.second);
  switch (t.period) {
    case TaskPeriod::kOnce: return n + Two(t.month) + "月" + Two(t.day) + "日" + hms;
    case TaskPeriod::kEveryMinute: return n + "每分钟 " + Two(t.second);
    case TaskPeriod::kEveryHour: return n + "每小时 " + Two(t.minute) + ":" + Two(t.second);
    case TaskPeriod::kEveryDay: return n + "每天 " + hms;
    case TaskPeriod::kEveryWeek: return n + "每周" + std::to_string(t.weekday + 1) + " " + hms;
    case TaskPeriod::kEveryMonth: return n + "每月 " + Two(t.day) + "日" + hms;
  }
  return n;
}

std::string KindPart(const ScheduledTask& t) {
  switch (t.kind) {
    case TaskKind::kReminder: return " " + t.content;
    case TaskKind::kRun: return " 运行" + t.content;
    default: return " " + StoredTaskText(t);
  }
}

bool Set(IniDocument& doc, const std::string& section, const std::string& key, const std::string& value) {
  return doc.Set(section, key, value) != IniDocument::EditResult::kInvalid;
}

}  // namespace

std::string TaskSection(int number) { return "任务" + Two(number); }

std::string StoredTaskText(const ScheduledTask& task) {
  switch (task.kind) {
    case TaskKind::kReminder:
    case TaskKind::kRun: return task.content;
    case TaskKind::kLogOff: return "系统注销";
    case TaskKind::kRestart: return "系统重启";
    case TaskKind::kShutDown: return "系统关机";
    case TaskKind::kStandBy: return "系统待机";
    case TaskKind::kMonitorOff: return "关显示器";
  }
  return task.content;
}

std::string TaskLine(int number, const ScheduledTask& task) { return PeriodPart(number, task) + KindPart(task); }

void TaskTable::Load(const IniDocument& config) {
  tasks_.clear();
  for (int n = 1; n <= kMaxTasks; ++n) {
    const std::string section = TaskSection(n);
    const std::string nn = Two(n);
    const int kind = config.GetInt(section, "renwuxiang" + nn, -1);
    if (!IsTaskKind(kind)) break;
    ScheduledTask t;
    t.kind = static_cast<TaskKind>(kind);
    t.period = static_cast<TaskPeriod>(config.GetInt(section, "zhouqi" + nn, 0));
    t.month = config.GetInt(section, "month" + nn, 0);
    t.day = config.GetInt(section, "date" + nn, 0);
    t.weekday = config.GetInt(section, "week" + nn, 0);
    t.hour = config.GetInt(section, "hour" + nn, 0);
    t.minute = config.GetInt(section, "minute" + nn, 0);
    t.second = config.GetInt(section, "second" + nn, 0);
    t.content = Storable(config.GetString(section, "txy" + nn));
    tasks_.push_back(std::move(t));
  }
}

bool TaskTable::Add(const ScheduledTask& task) {
  if (full()) return false;
  tasks_.push_back(task);
  return true;
}

bool TaskTable::Remove(int position) {
  if (position < 0 || position >= count()) return false;
  tasks_.erase(tasks_.begin() + position);
  return true;
}

std::vector<std::string> TaskTable::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(tasks_.size());
  for (int i = 0; i < count(); ++i) lines.push_back(TaskLine(i + 1, tasks_[static_cast<std::size_t>(i)]));
  return lines;
}

bool TaskTable::WriteTo(IniDocument& doc) const {
  bool ok = true;
  for (int i = 0; i < count(); ++i) {
    const ScheduledTask& t = tasks_[static_cast<std::size_t>(i)];
    const std::string section = TaskSection(i + 1);
    const std::string nn = Two(i + 1);
    ok = Set(doc, section, "renwuxiang" + nn, std::to_string(static_cast<int>(t.kind))) && ok;
    ok = Set(doc, section, "zhouqi" + nn, std::to_string(static_cast<int>(t.period))) && ok;
    const PeriodKeys keys = KeysOf(t.period);
    if (keys.month) ok = Set(doc, section, "month" + nn, std::to_string(t.month)) && ok;
    if (keys.day) ok = Set(doc, section, "date" + nn, std::to_string(t.day)) && ok;
    if (keys.weekday) ok = Set(doc, section, "week" + nn, std::to_string(t.weekday)) && ok;
    if (keys.hour) ok = Set(doc, section, "hour" + nn, std::to_string(t.hour)) && ok;
    if (keys.minute) ok = Set(doc, section, "minute" + nn, std::to_string(t.minute)) && ok;
    ok = Set(doc, section, "second" + nn, std::to_string(t.second)) && ok;
    ok = Set(doc, section, "txy" + nn, StoredTaskText(t)) && ok;
  }
  for (int n = count() + 1; n <= kMaxTasks; ++n) doc.DeleteSection(TaskSection(n));
  return ok;
}

int TaskTable::Find(const ScheduledTask& task, int hint) const {
  if (hint >= 0 && hint < count() && tasks_[static_cast<std::size_t>(hint)] == task) return hint;
  const auto it = std::find(tasks_.begin(), tasks_.end(), task);
  return it == tasks_.end() ? -1 : static_cast<int>(it - tasks_.begin());
}

namespace {

// One locked change of the list: `change` gets the list the file holds now and returns false
// when there is nothing to change. The table then shows the file.
bool ChangeTasks(IniFile& config, TaskTable& table, const std::function<bool(TaskTable&)>& change) {
  config.RemoveIfEmpty();
  TaskTable fresh;
  bool read = false, changed = false;
  const bool written = config.Edit([&](IniDocument& doc) {
    fresh.Load(doc);
    read = true;
    changed = change(fresh);
    if (!changed || !fresh.WriteTo(doc)) return false;
    fresh.Load(doc);  // as the file gives it back: keys a period does not use read as 0
    return true;
  });
  if (written) {
    table = std::move(fresh);
    return config.RemoveIfEmpty();
  }
  table.Load(config.Load());
  return read && !changed;  // nothing to change is no failure
}

}  // namespace

bool LoadTasks(IniFile& config, TaskTable& table) {
  return ChangeTasks(config, table, [](TaskTable&) { return true; });
}

bool RefreshTasks(IniFile& config, TaskTable& table) {
  if (!config.ChangedSinceSeen()) return false;
  table.Load(config.Load());
  return true;
}

const char* TaskAddMessage(TaskAddResult result) {
  switch (result) {
    case TaskAddResult::kAdded: return "";
    case TaskAddResult::kFull: return "任务数量超出范围";
    case TaskAddResult::kNotStorable: return "内容含有配置文件无法保存的字符";
  }
  return "";
}

TaskAddOutcome AddTask(IniFile& config, TaskTable& table, ScheduledTask task) {
  task.content = std::string(TrimBlanks(task.content));
  if (KeepsContent(task.kind)) {
    IniDocument probe;
    if (probe.Set("任务01", "txy01", task.content) == IniDocument::EditResult::kInvalid) {
      return {TaskAddResult::kNotStorable, false};
    }
  }
  bool full = false;
  const bool stored = ChangeTasks(config, table, [&](TaskTable& fresh) {
    full = !fresh.Add(task);
    return !full;
  });
  if (full) return {TaskAddResult::kFull, stored};
  return {TaskAddResult::kAdded, stored};
}

bool DeleteTask(IniFile& config, TaskTable& table, int position, bool* stored) {
  if (position < 0 || position >= table.count()) return false;
  const ScheduledTask shown = table.tasks()[static_cast<std::size_t>(position)];
  const bool ok = ChangeTasks(config, table, [&](TaskTable& fresh) { return fresh.Remove(fresh.Find(shown, position)); });
  if (stored != nullptr) *stored = ok;
  return true;
}

bool ClearTasks(IniFile& config, TaskTable& table) {
  return ChangeTasks(config, table, [](TaskTable& fresh) {
    fresh.Clear();
    return true;
  });
}

bool RemoveTasks(IniFile& config, TaskTable& table, const std::vector<ScheduledTask>& tasks) {
  return ChangeTasks(config, table, [&](TaskTable& fresh) {
    bool any = false;
    for (const ScheduledTask& t : tasks) any = fresh.Remove(fresh.Find(t)) || any;
    return any;
  });
}

}  // namespace zelvik
