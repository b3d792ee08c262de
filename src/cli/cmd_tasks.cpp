// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "json.h"
#include "tasks/check_tasks.h"

namespace zelvik::cli {

const char kTasksUsage[] = R"(  zelvik-cli tasks [--config FILE]
      Prints the task list as the task window shows it at its start; nothing is written.
  zelvik-cli tasks add --kind K --period P [--month M] [--day D] [--weekday W] [--hour H] [--minute MI] [--second S] [--content TEXT] [--config FILE]
      Adds a task as "添加任务" does after a fresh start of the window: kind 0 to 6, period 0
      to 5, weekday 0 (Monday) to 6; defaults month 1, day 1, weekday 0, 00:00:00, no text.
  zelvik-cli tasks delete N [--config FILE]
      Deletes task N (from 1).
  zelvik-cli tasks clear [--config FILE]
      Deletes every task.
  zelvik-cli tasks due --at "YYYY-MM-DD HH:MM:SS" [--config FILE]
      Prints what the timer would carry out in that second, in order, and the reminder box
      text (null when there is none); nothing is carried out or written.
)";

namespace {

std::string ListJson(const TaskTable& table) {
  std::string json = "[";
  const std::vector<std::string> lines = table.Lines();
  for (int i = 0; i < table.count(); ++i) {
    const ScheduledTask& t = table.tasks()[static_cast<std::size_t>(i)];
    json += (i ? ", " : "");
    json += "{\"line\": " + JsonString(lines[static_cast<std::size_t>(i)]) +
            ", \"kind\": " + std::to_string(static_cast<int>(t.kind)) +
            ", \"period\": " + std::to_string(static_cast<int>(t.period)) + ", \"month\": " + std::to_string(t.month) +
            ", \"day\": " + std::to_string(t.day) + ", \"weekday\": " + std::to_string(t.weekday) +
            ", \"hour\": " + std::to_string(t.hour) + ", \"minute\": " + std::to_string(t.minute) +
            ", \"second\": " + std::to_string(t.second) + ", \"content\": " + JsonString(t.content) + "}";
  }
  return json + "]";
}

LocalTime ParseAt(const std::string& text) {
  LocalTime t;
  int used = 0;
  const bool shaped = text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == ' ' && text[13] == ':' &&
                      text[16] == ':';
  bool digits = shaped;
  for (size_t i = 0; digits && i < text.size(); ++i) {
    if (i != 4 && i != 7 && i != 10 && i != 13 && i != 16) digits = text[i] >= '0' && text[i] <= '9';
  }
  if (!digits || std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &t.year, &t.month, &t.day, &t.hour,
                             &t.minute, &t.second, &used) != 6 ||
      used != 19 || !IsValidLocalTime(t)) {
    throw UsageError("--at needs a real local time as \"YYYY-MM-DD HH:MM:SS\", not '" + text + "'");
  }
  return t;
}

std::string DueJson(const DueTasks& due) {
  std::string json = "{\"actions\": [";
  for (size_t i = 0; i < due.actions.size(); ++i) {
    const TaskAction& a = due.actions[i];
    json += (i ? ", " : "");
    json += "{\"task\": " + std::to_string(a.task) + ", \"kind\": " + std::to_string(static_cast<int>(a.kind)) +
            ", \"content\": " + JsonString(a.content) + "}";
  }
  json += "], \"reminder\": ";
  json += due.reminder ? JsonString(*due.reminder) : "null";
  return json + "}";
}

void Written(bool ok, const IniFile& file) {
  if (!ok) throw RefusedError("cannot write " + file.path().string());
}

}  // namespace

int RunTasks(const std::vector<std::string>& args) {
  const std::vector<std::string> addOptions = {"kind", "period", "month", "day", "weekday",
                                               "hour", "minute", "second", "content"};
  std::vector<std::string> valued = addOptions;
  valued.insert(valued.end(), {"config", "at"});
  const SplitArgs split = SplitPositional(args, valued);
  const std::vector<std::string>& pos = split.positional;
  const ParsedArgs& opts = split.options;
  const std::string action = pos.empty() ? "" : pos[0];
  if (action != "" && action != "add" && action != "delete" && action != "clear" && action != "due") {
    throw UsageError("unknown action '" + action + "'");
  }
  if (pos.size() != (action == "delete" ? 2u : action.empty() ? 0u : 1u)) {
    throw UsageError(action == "delete" ? "tasks delete takes one task number" : "unexpected argument");
  }
  for (const std::string& name : addOptions) {
    if (action != "add" && opts.values.count(name)) throw UsageError("option '--" + name + "' belongs to tasks add");
  }
  if (action != "due" && opts.values.count("at")) throw UsageError("option '--at' belongs to tasks due");

  IniFile file(ConfigPathOption(opts));
  TaskTable table;
  if (action.empty() || action == "due") {
    const LocalTime at = action == "due" ? ParseAt(Required(opts, "at")) : LocalTime{};
    table.Load(file.Load());
    std::cout << (action == "due" ? DueJson(CheckTasks(table, at)) : ListJson(table)) << "\n";
    return 0;
  }

  if (action == "add") {
    ScheduledTask t;
    t.kind = static_cast<TaskKind>(IntInRange(opts, "kind", 0, kTaskKindCount - 1, -1));
    t.period = static_cast<TaskPeriod>(IntInRange(opts, "period", 0, kTaskPeriodCount - 1, -1));
    Required(opts, "kind");
    Required(opts, "period");
    t.month = IntInRange(opts, "month", 1, 12, 1);
    t.day = IntInRange(opts, "day", 1, 31, 1);
    t.weekday = IntInRange(opts, "weekday", 0, 6, 0);
    t.hour = IntInRange(opts, "hour", 0, 23, 0);
    t.minute = IntInRange(opts, "minute", 0, 59, 0);
    t.second = IntInRange(opts, "second", 0, 59, 0);
    if (auto it = opts.values.find("content"); it != opts.values.end()) t.content = it->second;
    Written(LoadTasks(file, table), file);
    const TaskAddOutcome out = AddTask(file, table, t);
    if (out.result != TaskAddResult::kAdded) throw RefusedError(TaskAddMessage(out.result));
    Written(out.stored, file);
  } else if (action == "delete") {
    table.Load(file.Load());  // a task that does not exist changes nothing
    const int position = LineNumber(pos[1], table.count());
    Written(LoadTasks(file, table), file);
    bool stored = false;
    DeleteTask(file, table, position, &stored);
    Written(stored, file);
  } else {
    Written(ClearTasks(file, table), file);
  }
  std::cout << ListJson(table) << "\n";
  return 0;
}

}  // namespace zelvik::cli
