// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/task_clock.h"

#include <array>
#include <cstdio>

namespace zelvik {

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, and back
// (H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = static_cast<int>(yoe + era * 400 + (*month <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

int WeekdayOf(int year, int month, int day) {
  int y = year, m = month;
  if (m == 1 || m == 2) {
    m += 12;
    y -= 1;
  }
  const int w = (day + 2 * m + 3 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
  return w < 0 ? w + 7 : w;
}

const char* WeekdayName(int weekday) {
  static constexpr std::array<const char*, 7> kNames = {"星期一", "星期二", "星期三", "星期四",
                                                        "星期五", "星期六", "星期日"};
  return weekday >= 0 && weekday < 7 ? kNames[static_cast<std::size_t>(weekday)] : "";
}

std::string ClockLine(const LocalTime& t) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "现在时间:%d-%02d-%02d %02d:%02d:%02d%s", t.year, t.month, t.day, t.hour, t.minute,
                t.second, WeekdayName(WeekdayOf(t.year, t.month, t.day)));
  return buf;
}

std::string ReminderTimeLine(const LocalTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d月%d日 %02d:%02d:%02d", t.month, t.day, t.hour, t.minute, t.second);
  return buf;
}

std::string UptimeLine(std::uint32_t ms) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "系统已运行: %u小时%u分%u秒", ms / 3600000u, (ms % 3600000u) / 60000u,
                (ms % 60000u) / 1000u);
  return buf;
}

std::int64_t CalendarSeconds(const LocalTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

LocalTime FromCalendarSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  LocalTime t;
  CivilFromDays(days, &t.year, &t.month, &t.day);
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

bool IsValidLocalTime(const LocalTime& t) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1) return false;
  const int days = kDays[t.month - 1] + (t.month == 2 && IsLeap(t.year) ? 1 : 0);
  return t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
         t.second < 60;
}

}  // namespace zelvik
