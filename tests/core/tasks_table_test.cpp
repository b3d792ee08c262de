// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/gbk.h"
#include "tasks/task_table.h"
#include "test_files.h"

namespace zelvik {
namespace {

using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

ScheduledTask Task(TaskKind kind, TaskPeriod period, std::string content = {}) {
  ScheduledTask t;
  t.kind = kind;
  t.period = period;
  t.content = std::move(content);
  return t;
}

ScheduledTask At(ScheduledTask t, int month, int day, int weekday, int hour, int minute, int second) {
  t.month = month;
  t.day = day;
  t.weekday = weekday;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

class TaskTableTest : public ::testing::Test {
 protected:
  TempDir dir;
  IniFile file{dir.path() / "ConfigMW.ini"};

  std::string Text() const {
    auto bytes = ReadBytes(file.path());
    return bytes ? GbkToUtf8(*bytes).value_or("<not GBK>") : "";
  }
  void WriteText(const std::string& utf8) { WriteBytes(file.path(), *Utf8ToGbk(utf8)); }
  std::string Section(int number) {
    const std::string text = Text();
    const std::string header = "[" + TaskSection(number) + "]\n";
    const std::size_t at = text.find(header);
    if (at == std::string::npos) return "";
    const std::size_t end = text.find('[', at + header.size());
    return text.substr(at + header.size(), end == std::string::npos ? std::string::npos : end - at - header.size());
  }
};

TEST(TaskLineTest, EveryPeriodAndKind) {
  struct Case {
    ScheduledTask task;
    int number;
    const char* line;
  };
  const Case cases[] = {
      {At(Task(TaskKind::kReminder, TaskPeriod::kOnce, "开会"), 3, 5, 0, 8, 30, 0), 1, "1、03月05日08:30:00 开会"},
      {At(Task(TaskKind::kShutDown, TaskPeriod::kEveryWeek), 1, 1, 0, 18, 0, 0), 2, "2、每周1 18:00:00 系统关机"},
      {At(Task(TaskKind::kRun, TaskPeriod::kEveryMinute, "/usr/bin/xterm"), 1, 1, 0, 0, 0, 5), 3,
       "3、每分钟 05 运行/usr/bin/xterm"},
      {At(Task(TaskKind::kRestart, TaskPeriod::kEveryMonth), 1, 15, 0, 9, 0, 0), 4, "4、每月 15日09:00:00 系统重启"},
      {At(Task(TaskKind::kLogOff, TaskPeriod::kEveryHour), 1, 1, 0, 0, 7, 9), 5, "5、每小时 07:09 系统注销"},
      {At(Task(TaskKind::kStandBy, TaskPeriod::kEveryDay), 1, 1, 0, 23, 59, 59), 6, "6、每天 23:59:59 系统待机"},
      {At(Task(TaskKind::kMonitorOff, TaskPeriod::kEveryWeek), 1, 1, 6, 1, 2, 3), 68, "68、每周7 01:02:03 关显示器"},
      {At(Task(TaskKind::kReminder, TaskPeriod::kEveryDay, ""), 1, 1, 0, 8, 30, 0), 7, "7、每天 08:30:00 "},
      {Task(TaskKind::kReminder, static_cast<TaskPeriod>(9), "x"), 8, "8、 x"},  // a hand-edited period
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(TaskLine(c.number, c.task), c.line);
  }
}

// Each period stores its own time keys; every task stores kind, period, second and text.
TEST_F(TaskTableTest, EachPeriodWritesItsKeys) {
  struct Case {
    ScheduledTask task;
    const char* section;
  };
  const Case cases[] = {
      {At(Task(TaskKind::kReminder, TaskPeriod::kOnce, "A"), 12, 8, 3, 10, 30, 0),
       "renwuxiang01=0\nzhouqi01=0\nmonth01=12\ndate01=8\nhour01=10\nminute01=30\nsecond01=0\ntxy01=A\n"},
      {At(Task(TaskKind::kLogOff, TaskPeriod::kEveryMinute), 12, 8, 3, 10, 30, 5),
       "renwuxiang01=1\nzhouqi01=1\nsecond01=5\ntxy01=系统注销\n"},
      {At(Task(TaskKind::kRestart, TaskPeriod::kEveryHour), 12, 8, 3, 10, 30, 5),
       "renwuxiang01=2\nzhouqi01=2\nminute01=30\nsecond01=5\ntxy01=系统重启\n"},
      {At(Task(TaskKind::kShutDown, TaskPeriod::kEveryDay, "left over"), 12, 8, 3, 10, 30, 5),
       "renwuxiang01=3\nzhouqi01=3\nhour01=10\nminute01=30\nsecond01=5\ntxy01=系统关机\n"},
      {At(Task(TaskKind::kStandBy, TaskPeriod::kEveryWeek), 12, 8, 3, 10, 30, 5),
       "renwuxiang01=4\nzhouqi01=4\nweek01=3\nhour01=10\nminute01=30\nsecond01=5\ntxy01=系统待机\n"},
      {At(Task(TaskKind::kRun, TaskPeriod::kEveryMonth, "/opt/a b"), 12, 8, 3, 10, 30, 5),
       "renwuxiang01=5\nzhouqi01=5\ndate01=8\nhour01=10\nminute01=30\nsecond01=5\ntxy01=/opt/a b\n"},
      {At(Task(TaskKind::kMonitorOff, TaskPeriod::kEveryMinute), 12, 8, 3, 10, 30, 5),
       "renwuxiang01=6\nzhouqi01=1\nsecond01=5\ntxy01=关显示器\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    TaskTable table;
    ClearTasks(file, table);
    ASSERT_EQ(AddTask(file, table, c.task).result, TaskAddResult::kAdded);
    EXPECT_EQ(Text(), std::string("[任务01]\n") + c.section);
  }
}

TEST_F(TaskTableTest, NoFileUntilATaskIsAddedAndNoneAfterTheLastIsDeleted) {
  TaskTable table;
  EXPECT_TRUE(LoadTasks(file, table));
  EXPECT_EQ(table.count(), 0);
  EXPECT_FALSE(file.Exists());
  const auto out = AddTask(file, table, At(Task(TaskKind::kReminder, TaskPeriod::kEveryDay, " 开会 "), 1, 1, 0, 8, 30, 0));
  EXPECT_EQ(out.result, TaskAddResult::kAdded);
  EXPECT_TRUE(out.stored);
  EXPECT_EQ(table.Lines(), std::vector<std::string>{"1、每天 08:30:00 开会"});
  EXPECT_EQ(Section(1), "renwuxiang01=0\nzhouqi01=3\nhour01=8\nminute01=30\nsecond01=0\ntxy01=开会\n");
  bool stored = false;
  EXPECT_TRUE(DeleteTask(file, table, 0, &stored));
  EXPECT_TRUE(stored);
  EXPECT_FALSE(file.Exists());
  EXPECT_FALSE(DeleteTask(file, table, 0));
}

TEST_F(TaskTableTest, TheListEndsAtTheFirstGapOrUnknownKind) {
  struct Case {
    const char* name;
    std::string text;
    int count;
  };
  auto section = [](int n, int kind) {
    char nn[3];
    std::snprintf(nn, sizeof nn, "%02d", n);
    return std::string("[任务") + nn + "]\nrenwuxiang" + nn + "=" + std::to_string(kind) + "\nzhouqi" + nn +
           "=1\nsecond" + nn + "=" + std::to_string(n) + "\ntxy" + nn + "=t" + std::to_string(n) + "\n";
  };
  const Case cases[] = {
      {"gap at 03", section(1, 0) + section(2, 0) + section(4, 0), 2},
      {"unknown kind", section(1, 6) + section(2, 7) + section(3, 0), 1},
      {"negative kind", section(1, -1), 0},
      {"first missing", section(2, 0), 0},
      {"kind missing", "[任务01]\nzhouqi01=1\n" + section(2, 0), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteText("[Setting]\nminirun=1\n" + c.text);
    TaskTable table;
    LoadTasks(file, table);
    EXPECT_EQ(table.count(), c.count);
    // What the list does not show is not kept: filling the gap must not bring it back.
    EXPECT_EQ(Text().find("[任务0" + std::to_string(c.count + 1) + "]"), std::string::npos) << Text();
    EXPECT_NE(Text().find("minirun=1"), std::string::npos);
  }
  WriteText(section(1, 0) + section(2, 0) + section(4, 3));
  TaskTable table;
  LoadTasks(file, table);
  AddTask(file, table, Task(TaskKind::kReminder, TaskPeriod::kEveryMinute, "new"));
  TaskTable again;
  again.Load(file.Load());
  EXPECT_EQ(again.count(), 3);  // the old shut-down of 任务04 stays gone
}

TEST_F(TaskTableTest, DeletingTheSecondOfThreeMovesTheThirdUp) {
  TaskTable table;
  for (const char* text : {"a", "b", "c"}) {
    AddTask(file, table, At(Task(TaskKind::kReminder, TaskPeriod::kEveryHour, text), 1, 1, 0, 0, 10, 20));
  }
  ASSERT_TRUE(DeleteTask(file, table, 1));
  EXPECT_EQ(table.Lines(), (std::vector<std::string>{"1、每小时 10:20 a", "2、每小时 10:20 c"}));
  EXPECT_EQ(Section(2), "renwuxiang02=0\nzhouqi02=2\nminute02=10\nsecond02=20\ntxy02=c\n");
  EXPECT_EQ(Section(3), "");
  TaskTable again;
  again.Load(file.Load());
  EXPECT_EQ(again.Lines(), table.Lines());  // keys a period does not use are not stored
}

TEST_F(TaskTableTest, SixtyEightTasksAtMost) {
  TaskTable table;
  for (int i = 0; i < kMaxTasks; ++i) {
    ASSERT_EQ(AddTask(file, table, Task(TaskKind::kMonitorOff, TaskPeriod::kEveryMinute)).result, TaskAddResult::kAdded);
  }
  const auto out = AddTask(file, table, Task(TaskKind::kReminder, TaskPeriod::kEveryMinute));
  EXPECT_EQ(out.result, TaskAddResult::kFull);
  EXPECT_STREQ(TaskAddMessage(out.result), "任务数量超出范围");
  EXPECT_EQ(table.Lines().size(), 68u);
  EXPECT_EQ(table.Lines().back(), "68、每分钟 00 关显示器");
  TaskTable again;
  again.Load(file.Load());
  EXPECT_EQ(again.count(), 68);
  EXPECT_TRUE(ClearTasks(file, table));
  EXPECT_FALSE(file.Exists());
}

TEST_F(TaskTableTest, ContentThatCannotBeStoredIsRefused) {
  TaskTable table;
  EXPECT_EQ(AddTask(file, table, Task(TaskKind::kReminder, TaskPeriod::kOnce, "a\nb")).result,
            TaskAddResult::kNotStorable);
  EXPECT_EQ(AddTask(file, table, Task(TaskKind::kRun, TaskPeriod::kOnce, "/tmp/😀")).result,
            TaskAddResult::kNotStorable);
  // Kinds that store a fixed text do not care what the field holds.
  EXPECT_EQ(AddTask(file, table, Task(TaskKind::kLogOff, TaskPeriod::kOnce, "😀")).result, TaskAddResult::kAdded);
  EXPECT_EQ(table.count(), 1);
}

TEST_F(TaskTableTest, AStrayCarriageReturnDoesNotBlockSaving) {
  WriteText("[任务01]\nrenwuxiang01=0\nzhouqi01=1\nsecond01=1\ntxy01=a\r\rb\n"
            "[任务02]\nrenwuxiang02=0\nzhouqi02=1\nsecond02=2\ntxy02=c\n");
  TaskTable table;
  EXPECT_TRUE(LoadTasks(file, table));
  EXPECT_EQ(table.Lines()[0], "1、每分钟 01 ab");
  EXPECT_TRUE(DeleteTask(file, table, 1));
  EXPECT_EQ(Section(2), "");
}

TEST_F(TaskTableTest, LoadKeepsLeftOverKeysOutOfTheDisplayAndRewritesNumbering) {
  // A section with keys of an earlier task: only the period's keys matter.
  WriteText("[任务01]\nrenwuxiang01=0\nzhouqi01=1\nhour01=7\nsecond01=9\ntxy01=hi\n");
  TaskTable table;
  LoadTasks(file, table);
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table.Lines()[0], "1、每分钟 09 hi");
  EXPECT_EQ(table.tasks()[0].hour, 7);
  EXPECT_EQ(table.tasks()[0].month, 0);  // missing keys read as 0
}

}  // namespace
}  // namespace zelvik
