// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a configuration file holding tasks: loading never fails, the stored form the
// program writes back loads as the same list, and the walk of a second removes exactly the
// once-only tasks it reports.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/ini_document.h"
#include "tasks/check_tasks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  // The first bytes choose the second examined.
  const zelvik::LocalTime t{2013, 1 + data[0] % 12, 1 + data[1] % 31, data[2] % 24, data[0] % 60, data[1] % 60};
  const std::string bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
  zelvik::IniDocument doc = zelvik::IniDocument::Parse(bytes);
  zelvik::TaskTable table;
  table.Load(doc);
  const auto lines = table.Lines();
  if (!table.WriteTo(doc)) std::abort();  // everything loaded can be stored again
  zelvik::TaskTable again;
  again.Load(zelvik::IniDocument::Parse(doc.Serialize()));
  if (again.Lines() != lines) std::abort();

  int once = 0;
  for (const zelvik::ScheduledTask& task : table.tasks()) {
    if (task.period == zelvik::TaskPeriod::kOnce && zelvik::IsTaskDue(task, t)) ++once;
  }
  const int before = table.count();
  const zelvik::DueTasks due = zelvik::CheckTasks(table, t);
  if (table.count() != before - once || due.removed.size() != static_cast<std::size_t>(once)) std::abort();
  if (due.actions.size() > static_cast<std::size_t>(before)) std::abort();
  return 0;
}
