// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tasks/check_tasks.h"
#include "tasks/second_ticker.h"

namespace zelvik {
namespace {

LocalTime T(int y, int mo, int d, int h, int mi, int s) { return {y, mo, d, h, mi, s}; }

ScheduledTask Task(TaskKind kind, TaskPeriod period, std::string content, int month, int day, int weekday,
                   int hour, int minute, int second) {
  ScheduledTask t;
  t.kind = kind;
  t.period = period;
  t.content = std::move(content);
  t.month = month;
  t.day = day;
  t.weekday = weekday;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

TaskTable Table(const std::vector<ScheduledTask>& tasks) {
  TaskTable table;
  for (const ScheduledTask& t : tasks) table.Add(t);
  return table;
}

std::vector<int> Numbers(const DueTasks& due) {
  std::vector<int> n;
  for (const TaskAction& a : due.actions) n.push_back(a.task);
  return n;
}

TEST(TaskClockTest, WeekdayByTheProgramsFormula) {
  struct Case {
    LocalTime t;
    int weekday;
  };
  const Case cases[] = {
      {T(2013, 11, 17, 0, 0, 0), 6},  // Sunday
      {T(2013, 11, 18, 0, 0, 0), 0},  {T(2024, 1, 1, 0, 0, 0), 0},   {T(2024, 2, 29, 0, 0, 0), 3},
      {T(2000, 3, 1, 0, 0, 0), 2},    {T(1900, 1, 1, 0, 0, 0), 0},   {T(2100, 12, 31, 0, 0, 0), 4},
      {T(2023, 2, 28, 0, 0, 0), 1},   {T(1, 1, 1, 0, 0, 0), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ClockLine(c.t));
    EXPECT_EQ(WeekdayOf(c.t.year, c.t.month, c.t.day), c.weekday);
  }
  EXPECT_EQ(ClockLine(T(2013, 11, 17, 10, 30, 0)), "现在时间:2013-11-17 10:30:00星期日");
  EXPECT_EQ(ClockLine(T(2024, 1, 1, 8, 5, 9)), "现在时间:2024-01-01 08:05:09星期一");
  EXPECT_EQ(ReminderTimeLine(T(2013, 12, 8, 10, 30, 0)), "12月8日 10:30:00");
  EXPECT_EQ(ReminderTimeLine(T(2013, 1, 2, 3, 4, 5)), "1月2日 03:04:05");
}

TEST(TaskClockTest, UptimeCountsUnsignedUntilItWraps) {
  struct Case {
    std::uint32_t ms;
    const char* line;
  };
  const Case cases[] = {
      {0, "系统已运行: 0小时0分0秒"},
      {5 * 3600000u + 12 * 60000u + 3999u, "系统已运行: 5小时12分3秒"},
      {2147483647u, "系统已运行: 596小时31分23秒"},  // about 24.9 days
      {2147483648u + 3600000u, "系统已运行: 597小时31分23秒"},  // past 2^31: still counting up
      {4294967295u, "系统已运行: 1193小时2分47秒"},
      {static_cast<std::uint32_t>(4294967296ull + 1000u), "系统已运行: 0小时0分1秒"},  // wrapped
  };
  for (const Case& c : cases) EXPECT_EQ(UptimeLine(c.ms), c.line) << c.ms;
}

TEST(TaskClockTest, CalendarSecondsRoundTrip) {
  for (LocalTime t : {T(2013, 12, 31, 23, 59, 59), T(2024, 2, 29, 0, 0, 0), T(1970, 1, 1, 0, 0, 0),
                      T(1969, 12, 31, 23, 59, 59), T(9999, 12, 31, 23, 59, 59)}) {
    EXPECT_EQ(FromCalendarSeconds(CalendarSeconds(t)), t) << ClockLine(t);
  }
  EXPECT_EQ(FromCalendarSeconds(CalendarSeconds(T(2013, 12, 31, 23, 59, 59)) + 1), T(2014, 1, 1, 0, 0, 0));
  EXPECT_TRUE(IsValidLocalTime(T(2024, 2, 29, 23, 59, 59)));
  EXPECT_FALSE(IsValidLocalTime(T(2023, 2, 29, 0, 0, 0)));
  EXPECT_FALSE(IsValidLocalTime(T(2023, 4, 31, 0, 0, 0)));
  EXPECT_FALSE(IsValidLocalTime(T(2023, 4, 1, 24, 0, 0)));
}

TEST(CheckTasksTest, WhenEachPeriodIsDue) {
  // 2013-11-18 is a Monday.
  struct Case {
    ScheduledTask task;
    LocalTime at;
    bool due;
  };
  const auto R = TaskKind::kReminder;
  const Case cases[] = {
      {Task(R, TaskPeriod::kOnce, "", 11, 18, 5, 9, 0, 0), T(2013, 11, 18, 9, 0, 0), true},
      {Task(R, TaskPeriod::kOnce, "", 11, 18, 5, 9, 0, 0), T(2099, 11, 18, 9, 0, 0), true},  // any year
      {Task(R, TaskPeriod::kOnce, "", 11, 18, 5, 9, 0, 0), T(2013, 11, 18, 9, 0, 1), false},
      {Task(R, TaskPeriod::kOnce, "", 4, 31, 0, 9, 0, 0), T(2013, 5, 1, 9, 0, 0), false},  // 31 April never
      {Task(R, TaskPeriod::kEveryMinute, "", 1, 1, 0, 1, 1, 5), T(2013, 11, 18, 9, 0, 5), true},
      {Task(R, TaskPeriod::kEveryHour, "", 1, 1, 0, 1, 30, 5), T(2013, 11, 18, 9, 30, 5), true},
      {Task(R, TaskPeriod::kEveryHour, "", 1, 1, 0, 1, 30, 5), T(2013, 11, 18, 9, 31, 5), false},
      {Task(R, TaskPeriod::kEveryDay, "", 2, 2, 2, 9, 30, 5), T(2013, 11, 18, 9, 30, 5), true},
      {Task(R, TaskPeriod::kEveryWeek, "", 2, 2, 0, 9, 30, 5), T(2013, 11, 18, 9, 30, 5), true},  // Monday
      {Task(R, TaskPeriod::kEveryWeek, "", 2, 2, 0, 9, 30, 5), T(2013, 11, 25, 9, 30, 5), true},
      {Task(R, TaskPeriod::kEveryWeek, "", 2, 2, 0, 9, 30, 5), T(2013, 11, 17, 9, 30, 5), false},
      {Task(R, TaskPeriod::kEveryWeek, "", 2, 2, 6, 9, 30, 5), T(2013, 11, 17, 9, 30, 5), true},  // Sunday
      {Task(R, TaskPeriod::kEveryMonth, "", 2, 18, 2, 9, 30, 5), T(2013, 11, 18, 9, 30, 5), true},
      {Task(R, TaskPeriod::kEveryMonth, "", 2, 31, 2, 9, 30, 5), T(2013, 11, 30, 9, 30, 5), false},
      {Task(R, static_cast<TaskPeriod>(6), "", 11, 18, 0, 9, 30, 5), T(2013, 11, 18, 9, 30, 5), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(TaskLine(1, c.task) + " at " + ClockLine(c.at));
    EXPECT_EQ(IsTaskDue(c.task, c.at), c.due);
  }
}

TEST(CheckTasksTest, RemindersOfOneSecondShareOneBox) {
  TaskTable table = Table({Task(TaskKind::kReminder, TaskPeriod::kEveryMinute, "A", 1, 1, 0, 0, 0, 5),
                           Task(TaskKind::kReminder, TaskPeriod::kEveryHour, "B", 1, 1, 0, 0, 30, 5)});
  DueTasks at30 = CheckTasks(table, T(2013, 12, 8, 14, 30, 5));
  ASSERT_TRUE(at30.reminder.has_value());
  EXPECT_EQ(*at30.reminder, "12月8日 14:30:05\nA\nB\n");
  EXPECT_EQ(Numbers(at30), (std::vector<int>{1, 2}));
  DueTasks at31 = CheckTasks(table, T(2013, 12, 8, 14, 31, 5));
  EXPECT_EQ(at31.reminder, std::optional<std::string>("12月8日 14:31:05\nA\n"));
  DueTasks none = CheckTasks(table, T(2013, 12, 8, 14, 31, 6));
  EXPECT_EQ(none.reminder, std::nullopt);
  EXPECT_TRUE(none.actions.empty());
  EXPECT_EQ(table.count(), 2);
  EXPECT_TRUE(at30.removed.empty());
}

TEST(CheckTasksTest, OnceOnlyTasksAreRemovedDuringTheWalk) {
  const auto once = TaskPeriod::kOnce;
  TaskTable table = Table({
      Task(TaskKind::kReminder, TaskPeriod::kEveryDay, "daily", 1, 1, 0, 10, 30, 0),
      Task(TaskKind::kReminder, once, "first", 12, 8, 0, 10, 30, 0),
      Task(TaskKind::kRun, once, "/opt/own", 12, 8, 0, 10, 30, 0),  // moves up into "first"'s place
      Task(TaskKind::kRun, once, "/opt/next", 12, 9, 0, 10, 30, 0),
      Task(TaskKind::kShutDown, once, "x", 12, 8, 0, 10, 30, 0),
      Task(TaskKind::kReminder, once, "later", 12, 8, 0, 10, 30, 1),
  });
  DueTasks due = CheckTasks(table, T(2013, 12, 8, 10, 30, 0));
  ASSERT_EQ(due.actions.size(), 4u);
  EXPECT_EQ(Numbers(due), (std::vector<int>{1, 2, 3, 5}));
  EXPECT_EQ(due.actions[1].content, "first");
  EXPECT_EQ(due.actions[2].kind, TaskKind::kRun);
  EXPECT_EQ(due.actions[2].content, "/opt/own");
  EXPECT_EQ(due.actions[3].kind, TaskKind::kShutDown);
  EXPECT_EQ(due.actions[3].content, "");
  EXPECT_EQ(due.reminder, std::optional<std::string>("12月8日 10:30:00\ndaily\nfirst\n"));
  ASSERT_EQ(due.removed.size(), 3u);
  EXPECT_EQ(due.removed[1].content, "/opt/own");
  EXPECT_EQ(table.Lines(), (std::vector<std::string>{"1、每天 10:30:00 daily", "2、12月09日10:30:00 运行/opt/next",
                                                     "3、12月08日10:30:01 later"}));
  // The next second finds the renumbered list.
  DueTasks next = CheckTasks(table, T(2013, 12, 8, 10, 30, 1));
  EXPECT_EQ(Numbers(next), std::vector<int>{3});
  EXPECT_EQ(table.count(), 2);
}

TEST(CheckTasksTest, TwoOnceOnlyTasksOfTheSameSecondSideBySide) {
  TaskTable table = Table({Task(TaskKind::kReminder, TaskPeriod::kOnce, "a", 1, 2, 0, 3, 4, 5),
                           Task(TaskKind::kReminder, TaskPeriod::kOnce, "b", 1, 2, 0, 3, 4, 5)});
  DueTasks due = CheckTasks(table, T(2014, 1, 2, 3, 4, 5));
  EXPECT_EQ(Numbers(due), (std::vector<int>{1, 2}));
  EXPECT_EQ(due.reminder, std::optional<std::string>("1月2日 03:04:05\na\nb\n"));
  EXPECT_EQ(table.count(), 0);
}

// The each-second-once rule of the task timer.
TEST(SecondTickerTest, EachSecondExaminedOnce) {
  struct Step {
    LocalTime now;
    std::vector<LocalTime> examined;
  };
  const LocalTime t0 = T(2013, 12, 31, 23, 59, 57);
  const std::vector<Step> steps = {
      {t0, {t0}},                                                                // first tick
      {t0, {}},                                                                  // second tick in the same second
      {T(2013, 12, 31, 23, 59, 58), {T(2013, 12, 31, 23, 59, 58)}},
      {T(2014, 1, 1, 0, 0, 0), {T(2013, 12, 31, 23, 59, 59), T(2014, 1, 1, 0, 0, 0)}},  // one missed, across the year
      {T(2014, 1, 1, 0, 0, 3), {T(2014, 1, 1, 0, 0, 1), T(2014, 1, 1, 0, 0, 2), T(2014, 1, 1, 0, 0, 3)}},  // two
      {T(2014, 1, 1, 0, 0, 7), {T(2014, 1, 1, 0, 0, 7)}},                           // three missed: not made up
      {T(2014, 1, 1, 3, 0, 0), {T(2014, 1, 1, 3, 0, 0)}},                           // suspend, clock forward
      {T(2014, 1, 1, 2, 0, 0), {}},                                                 // clock set back
      {T(2014, 1, 1, 2, 59, 59), {}},
      {T(2014, 1, 1, 3, 0, 0), {}},                                                 // the last examined second
      {T(2014, 1, 1, 3, 0, 1), {T(2014, 1, 1, 3, 0, 1)}},                           // resumes
      {T(2014, 1, 1, 3, 0, 1), {}},
  };
  SecondTicker ticker;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i) + " " + ClockLine(steps[i].now));
    EXPECT_EQ(ticker.Advance(steps[i].now), steps[i].examined);
  }
}

TEST(SecondTickerTest, TickJustAfterEachSecond) {
  EXPECT_EQ(MillisecondsToNextTick(0), 1000 + kTickMarginMs);
  EXPECT_EQ(MillisecondsToNextTick(980), 20 + kTickMarginMs);  // an early tick waits for the next second
  EXPECT_EQ(MillisecondsToNextTick(999), 1 + kTickMarginMs);
  EXPECT_EQ(MillisecondsToNextTick(-5), 1000 + kTickMarginMs);
  EXPECT_EQ(MillisecondsToNextTick(5000), 1 + kTickMarginMs);
}

}  // namespace
}  // namespace zelvik
