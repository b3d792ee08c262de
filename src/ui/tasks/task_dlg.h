// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <array>

#include "config/settings_store.h"
#include "tasks/check_tasks.h"
#include "tasks/second_ticker.h"
#include "tasks/task_services.h"
#include "tasks/task_table.h"
#include "tools/tool_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPushButton;
class QTimer;

namespace zelvik::ui {

// "定时任务": the task list with its editor, the clock and uptime lines, the three start-up
// options, and the timer that carries the tasks out. Created hidden with the main window;
// the timer runs from then on, shown or hidden.
class CTaskDlg : public CToolWindow {
  Q_OBJECT

 public:
  static constexpr int kListExtentPx = 680;

  // store: the main window's settings, so the three options share its flags and file.
  CTaskDlg(QWidget* owner, SettingsStore& store, TaskServices services);
  ~CTaskDlg() override;

  const TaskTable& table() const { return table_; }
  QTimer* tickTimer() const { return tick_; }
  // The reminder boxes still open, oldest first.
  QList<QMessageBox*> reminderBoxes() const;

  // One tick: refresh the two lines, then examine the seconds the ticker hands out.
  void Tick();

  void AddTask();
  void DeleteSelectedTask();
  void ClearAllTasks();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void RefreshList();
  void UpdateClock(const LocalTime& now);
  void PreselectNow(const LocalTime& now);
  void RunSecond(const LocalTime& t);
  void Carry(const TaskAction& action);
  void ShowReminder(const QString& text);
  void ArmTick();

  void OnKindActivated(int kind);
  void OnPeriodActivated(int period);
  void PickRunFile();
  void ToggleStartupOption(SettingKey key);
  void SetAutostart(bool on);
  QCheckBox* OptionBox(SettingKey key) const;

  SettingsStore& store_;
  IniFile file_;
  TaskServices services_;
  TaskTable table_;
  SecondTicker ticker_;

  QComboBox* kind_ = nullptr;
  QComboBox* period_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QComboBox* weekday_ = nullptr;
  QComboBox* hour_ = nullptr;
  QComboBox* minute_ = nullptr;
  QComboBox* second_ = nullptr;
  QLineEdit* content_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* clockLine_ = nullptr;
  QLineEdit* uptimeLine_ = nullptr;
  QCheckBox* autorun_ = nullptr;
  QCheckBox* minirun_ = nullptr;
  QCheckBox* hideTray_ = nullptr;
  QTimer* tick_ = nullptr;
  QList<QPointer<QMessageBox>> boxes_;
};

}  // namespace zelvik::ui
