// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/task_texts.h"

#include <QCoreApplication>

#include "common/display_text.h"
#include "tasks/task_table.h"

namespace zelvik::ui {

namespace {

QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString Time(int hour, int minute, int second) {
  return Two(hour) + QLatin1Char(':') + Two(minute) + QLatin1Char(':') + Two(second);
}

// A weekly task's day: its number, Monday 1, in Chinese.
const char* const kWeekDays[][2] = {
    QT_TRANSLATE_NOOP3("TaskTexts", "1", "Monday in a weekly task's line"),
    QT_TRANSLATE_NOOP3("TaskTexts", "2", "Tuesday in a weekly task's line"),
    QT_TRANSLATE_NOOP3("TaskTexts", "3", "Wednesday in a weekly task's line"),
    QT_TRANSLATE_NOOP3("TaskTexts", "4", "Thursday in a weekly task's line"),
    QT_TRANSLATE_NOOP3("TaskTexts", "5", "Friday in a weekly task's line"),
    QT_TRANSLATE_NOOP3("TaskTexts", "6", "Saturday in a weekly task's line"),
    QT_TRANSLATE_NOOP3("TaskTexts", "7", "Sunday in a weekly task's line"),
};

const char* const kShortDays[][2] = {
    QT_TRANSLATE_NOOP3("TaskTexts", "星期一", "the weekday list"),
    QT_TRANSLATE_NOOP3("TaskTexts", "星期二", "the weekday list"),
    QT_TRANSLATE_NOOP3("TaskTexts", "星期三", "the weekday list"),
    QT_TRANSLATE_NOOP3("TaskTexts", "星期四", "the weekday list"),
    QT_TRANSLATE_NOOP3("TaskTexts", "星期五", "the weekday list"),
    QT_TRANSLATE_NOOP3("TaskTexts", "星期六", "the weekday list"),
    QT_TRANSLATE_NOOP3("TaskTexts", "星期日", "the weekday list"),
};

}  // namespace

QString TaskTexts::WeekDay(int weekday) {
  if (weekday < 0 || weekday > 6) return QString::number(weekday + 1);
  return tr(kWeekDays[weekday][0], kWeekDays[weekday][1]);
}

QString TaskTexts::PeriodPart(int number, const ScheduledTask& t) {
  const QString hms = Time(t.hour, t.minute, t.second);
  switch (t.period) {
    case TaskPeriod::kOnce:
      return tr("%1、%2月%3日%4").arg(QString::number(number), Two(t.month), Two(t.day), hms);
    case TaskPeriod::kEveryMinute: return tr("%1、每分钟 %2").arg(QString::number(number), Two(t.second));
    case TaskPeriod::kEveryHour:
      return tr("%1、每小时 %2:%3").arg(QString::number(number), Two(t.minute), Two(t.second));
    case TaskPeriod::kEveryDay: return tr("%1、每天 %2").arg(QString::number(number), hms);
    case TaskPeriod::kEveryWeek: return tr("%1、每周%2 %3").arg(QString::number(number), WeekDay(t.weekday), hms);
    case TaskPeriod::kEveryMonth: return tr("%1、每月 %2日%3").arg(QString::number(number), Two(t.day), hms);
  }
  return tr("%1、").arg(number);
}

QString TaskTexts::Line(int number, const ScheduledTask& task) {
  const QString period = PeriodPart(number, task);
  const QString content = QString::fromStdString(task.content);
  switch (task.kind) {
    case TaskKind::kReminder: return period + QLatin1Char(' ') + content;
    case TaskKind::kRun: return period + QLatin1Char(' ') + tr("运行%1").arg(content);
    default: return period + QLatin1Char(' ') + CoreText(StoredTaskText(task));
  }
}

QString TaskTexts::Clock(const LocalTime& t) {
  const QString date = QStringLiteral("%1-%2-%3").arg(QString::number(t.year), Two(t.month), Two(t.day));
  return tr("现在时间:%1 %2%3").arg(date, Time(t.hour, t.minute, t.second),
                                 CoreText(WeekdayName(WeekdayOf(t.year, t.month, t.day))));
}

QString TaskTexts::Uptime(std::uint32_t ms) {
  return tr("系统已运行: %1小时%2分%3秒")
      .arg(QString::number(ms / 3600000u), QString::number((ms % 3600000u) / 60000u),
           QString::number((ms % 60000u) / 1000u));
}

QString TaskTexts::Reminder(const LocalTime& t, const std::string& coreText) {
  const QString text = QString::fromStdString(coreText);
  const QString time = tr("%1月%2日 %3").arg(QString::number(t.month), QString::number(t.day),
                                            Time(t.hour, t.minute, t.second));
  const qsizetype firstBreak = text.indexOf(QLatin1Char('\n'));
  return firstBreak < 0 ? text : time + text.mid(firstBreak);
}

QString TaskTexts::ShortWeekday(int weekday) {
  if (weekday < 0 || weekday > 6) return {};
  return tr(kShortDays[weekday][0], kShortDays[weekday][1]);
}

}  // namespace zelvik::ui
