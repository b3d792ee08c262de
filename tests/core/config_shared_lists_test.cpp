// SPDX-License-Identifier: GPL-3.0-or-later
// The task list and the custom sizes shared by several writers (two copies of the program,
// zelvik-cli): each change is one locked read-change-write, so no writer loses another's rows,
// and a list shows what the file holds after its change.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "config/custom_materials.h"
#include "tasks/task_table.h"
#include "test_files.h"

namespace zelvik {
namespace {

using testing_files::TempDir;

ScheduledTask Reminder(const std::string& text) {
  ScheduledTask t;
  t.period = TaskPeriod::kEveryMinute;
  t.content = text;
  return t;
}

std::vector<std::string> Contents(const TaskTable& table) {
  std::vector<std::string> out;
  for (const ScheduledTask& t : table.tasks()) out.push_back(t.content);
  return out;
}

// Runs each writer in a process of its own, all at once; true when every one succeeded.
bool InParallel(const std::vector<std::function<bool()>>& writers) {
  std::vector<pid_t> pids;
  for (const auto& write : writers) {
    const pid_t pid = fork();
    if (pid == 0) _exit(write() ? 0 : 1);
    pids.push_back(pid);
  }
  bool ok = true;
  for (pid_t pid : pids) {
    int status = 0;
    ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
  }
  return ok;
}

class SharedListsTest : public testing::Test {
 protected:
  TempDir dir;
  IniFile file{dir.path() / "ConfigMW.ini"};
};

TEST_F(SharedListsTest, TwoProcessesAddingThirtyTasksEachLeaveSixty) {
  auto writer = [this](const std::string& who) {
    return [this, who] {
      IniFile own(file.path());
      TaskTable table;
      bool ok = LoadTasks(own, table);
      for (int i = 0; i < 30; ++i) ok = AddTask(own, table, Reminder(who + std::to_string(i))).stored && ok;
      return ok;
    };
  };
  ASSERT_TRUE(InParallel({writer("a"), writer("b")}));
  TaskTable table;
  table.Load(file.Load());
  ASSERT_EQ(table.count(), 60);
  int a = 0;
  for (const std::string& text : Contents(table)) a += text[0] == 'a';
  EXPECT_EQ(a, 30);
}

TEST_F(SharedListsTest, TwoWritersOfTwentySizesOfOneKindLeaveForty) {
  auto writer = [this](const std::string& who) {
    return [this, who] {
      IniFile own(file.path());
      CustomMaterials m;
      bool ok = m.LoadAndRefresh(own);
      for (int i = 0; i < 20; ++i) ok = m.Add(own, 6, who + std::to_string(i), "", "1").stored && ok;
      return ok;
    };
  };
  ASSERT_TRUE(InParallel({writer("a"), writer("b")}));
  CustomMaterials m;
  m.Load(file.Load());
  EXPECT_EQ(m.CountOf(6), 40);
}

// The window's table is stale: another writer added meanwhile. Its add and delete keep that
// task, and afterwards it shows the file.
TEST_F(SharedListsTest, AStaleTaskListKeepsWhatAnotherWriterAdded) {
  TaskTable window;
  AddTask(file, window, Reminder("mine"));
  IniFile cli(file.path());
  TaskTable other;
  AddTask(cli, other, Reminder("cli"));
  EXPECT_TRUE(file.ChangedSinceSeen());
  ASSERT_TRUE(AddTask(file, window, Reminder("next")).stored);
  EXPECT_EQ(Contents(window), (std::vector<std::string>{"mine", "cli", "next"}));
  EXPECT_FALSE(file.ChangedSinceSeen());
  // The other writer deletes "mine"; the window, still showing it at 0, deletes "cli" by its
  // place in its own, older list: the task it showed there, wherever it is now.
  DeleteTask(cli, other, 0);
  bool stored = false;
  ASSERT_TRUE(DeleteTask(file, window, 1, &stored));
  EXPECT_TRUE(stored);
  EXPECT_EQ(Contents(window), std::vector<std::string>{"next"});
  // Deleting what another writer deleted already deletes nothing else.
  TaskTable stale = window;
  RefreshTasks(cli, other);
  AddTask(cli, other, Reminder("last"));
  DeleteTask(cli, other, 0);
  ASSERT_TRUE(DeleteTask(file, stale, 0, &stored));
  EXPECT_TRUE(stored);
  EXPECT_EQ(Contents(stale), std::vector<std::string>{"last"});
}

TEST_F(SharedListsTest, FiredOnceOnlyTasksLeaveTheFileByValue) {
  TaskTable table;
  for (const char* text : {"x", "once", "y"}) AddTask(file, table, Reminder(text));
  const ScheduledTask fired = table.tasks()[1];
  IniFile cli(file.path());
  TaskTable other;
  LoadTasks(cli, other);
  DeleteTask(cli, other, 0);  // "x" goes meanwhile; "once" moves up
  EXPECT_TRUE(RemoveTasks(file, table, {fired}));
  EXPECT_EQ(Contents(table), std::vector<std::string>{"y"});
}

TEST_F(SharedListsTest, AStaleSizeListKeepsWhatAnotherWriterAdded) {
  CustomMaterials window;
  window.LoadAndRefresh(file);
  window.Add(file, 0, "a", "", "1");
  IniFile cli(file.path());
  CustomMaterials other;
  other.LoadAndRefresh(cli);
  other.Add(cli, 0, "cli", "", "2");
  other.Add(cli, 5, "hex", "", "3");
  ASSERT_TRUE(window.Add(file, 0, "b", "", "4").stored);
  // The file's order: a kind's rows together.
  EXPECT_EQ(window.Lines(), (std::vector<std::string>{"1、角钢(热轧) a  1", "2、角钢(热轧) cli  2",
                                                      "3、角钢(热轧) b  4", "4、六角钢 hex  3"}));
  bool stored = false;
  ASSERT_TRUE(window.Delete(file, 0, &stored));
  EXPECT_TRUE(stored);
  other.Refresh(cli);
  EXPECT_EQ(other.rows().size(), 3u);
  EXPECT_EQ(other.rows()[0].model, "cli");
}

// A write that fails (a file without write bits refuses even root) leaves the list showing
// what the file holds.
TEST_F(SharedListsTest, AFailedWriteShowsTheFile) {
  TaskTable table;
  AddTask(file, table, Reminder("kept"));
  CustomMaterials sizes;
  sizes.LoadAndRefresh(file);
  ASSERT_EQ(chmod(file.path().c_str(), 0444), 0);
  const TaskAddOutcome out = AddTask(file, table, Reminder("lost"));
  EXPECT_EQ(out.result, TaskAddResult::kAdded);
  EXPECT_FALSE(out.stored);
  EXPECT_EQ(Contents(table), std::vector<std::string>{"kept"});
  EXPECT_FALSE(ClearTasks(file, table));
  EXPECT_EQ(table.count(), 1);
  EXPECT_FALSE(sizes.Add(file, 0, "a", "", "1").stored);
  EXPECT_TRUE(sizes.rows().empty());
}

}  // namespace
}  // namespace zelvik
