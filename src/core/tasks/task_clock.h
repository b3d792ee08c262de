// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace zelvik {

// A local wall-clock second.
struct LocalTime {
  int year = 1970;
  int month = 1;  // 1–12
  int day = 1;    // 1–31
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const LocalTime&) const = default;
};

// 0 Monday … 6 Sunday, by the program's own formula (January and February count as months
// 13 and 14 of the year before), not the platform's.
int WeekdayOf(int year, int month, int day);
// "星期一" … "星期日"; empty outside 0 … 6.
const char* WeekdayName(int weekday);

// "现在时间:2013-11-17 10:30:00星期日"
std::string ClockLine(const LocalTime& t);
// "12月8日 10:30:00", the first line of a reminder box.
std::string ReminderTimeLine(const LocalTime& t);
// "系统已运行: 5小时12分3秒" of a millisecond count since boot.
std::string UptimeLine(std::uint32_t milliseconds);

// Seconds since 1970-01-01 00:00:00 counted on the local calendar (every day 86 400 s), so
// that consecutive wall-clock seconds differ by one whatever the time zone does.
std::int64_t CalendarSeconds(const LocalTime& t);
LocalTime FromCalendarSeconds(std::int64_t seconds);

// A real date and time of day (year 1 … 9999)?
bool IsValidLocalTime(const LocalTime& t);

// Where the task timer reads the time; tests put a clock of their own in its place.
class TaskClock {
 public:
  virtual ~TaskClock() = default;
  // The local time now; *millisecond receives how far into that second it is.
  virtual LocalTime Now(int* millisecond) const = 0;
  // Milliseconds since boot as an unsigned 32-bit count, wrapping after about 49.7 days.
  virtual std::uint32_t UptimeMilliseconds() const = 0;
};

}  // namespace zelvik
