// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/task_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "common/compact_combo.h"
#include "common/dialog_units.h"
#include "common/list_lines.h"
#include "common/message_box.h"
#include "common/display_text.h"
#include "common/save_failure.h"
#include "tasks/task_texts.h"
#include "tasks/check_tasks.h"

namespace zelvik::ui {

namespace {

QStringList Numbers(int from, int to) {
  QStringList items;
  for (int i = from; i <= to; ++i) items << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
  return items;
}

// A read-only edit shows the dialog colour, as the platform draws read-only fields.
void SetReadOnlyLook(QLineEdit* edit, bool readOnly) {
  edit->setReadOnly(readOnly);
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, readOnly ? p.color(QPalette::Window) : QColor(Qt::white));
  edit->setPalette(p);
}

// Which date and time lists each period uses: month, day, weekday, hour, minute (the second
// list is always enabled).
constexpr bool kPeriodLists[kTaskPeriodCount][5] = {
    {true, true, true, true, true},     {false, false, false, false, false}, {false, false, false, false, true},
    {false, false, false, true, true},  {false, false, true, true, true},    {false, true, true, true, true},
};

}  // namespace

CTaskDlg::CTaskDlg(QWidget* owner, SettingsStore& store, TaskServices services)
    : CToolWindow(owner, tr("定时任务")),
      store_(store),
      file_(store.file()),
      services_(std::move(services)) {
  QFont f = DialogFont();
  f.setPointSize(10);
  setFont(f);
  CreateControls();

  kind_->setCurrentIndex(0);
  period_->setCurrentIndex(0);
  autorun_->setChecked(store_.Load(SettingKey::kAutorun) == 1);
  minirun_->setChecked(store_.Load(SettingKey::kMinirun) == 1);
  hideTray_->setChecked(store_.Load(SettingKey::kHideTrayIcon) == 1);
  // A file that cannot be written is not worth a box at start-up: the user has done nothing.
  LoadTasks(file_, table_);
  RefreshList();

  const LocalTime now = services_.clock->Now(nullptr);
  UpdateClock(now);
  PreselectNow(now);

  tick_ = new QTimer(this);
  tick_->setSingleShot(true);
  tick_->setTimerType(Qt::PreciseTimer);
  connect(tick_, &QTimer::timeout, this, &CTaskDlg::Tick);
  ArmTick();
}

CTaskDlg::~CTaskDlg() {
  // The boxes have no parent (they must show while this window is hidden).
  for (const QPointer<QMessageBox>& box : boxes_) delete box.data();
}

void CTaskDlg::CreateControls() {
  const DialogUnits du(font());
  setFixedSize(du.X(137), du.Y(219));

  Place(new QGroupBox(this), nullptr, du.Rect(2, 2, 132, 176));
  auto label = [&](const QString& text, int x, int y, int w = 21, int h = 10) {
    Place(new QLabel(text, this), nullptr, du.Rect(x, y, w, h));
  };
  auto list = [&](const char* id, int x, int y, int w, const QStringList& items) {
    auto* combo = Place(new QComboBox(this), id, du.Rect(x, y, w, 12));
    combo->addItems(items);
    return combo;
  };
  QStringList kinds, periods, weekdays;
  for (const char* name : kTaskKindNames) kinds << CoreText(name);
  for (const char* name : kTaskPeriodNames) periods << CoreText(name);
  for (int w = 0; w < 7; ++w) weekdays << TaskTexts::ShortWeekday(w);

  label(tr("任务："), 5, 10);
  kind_ = list("1010", 26, 8, 65, kinds);
  period_ = list("1033", 96, 8, 37, periods);
  label(tr("日期："), 5, 24);
  month_ = list("1015", 26, 22, 22, Numbers(1, 12));
  label(tr("月"), 51, 24, 10);
  day_ = list("1038", 62, 22, 22, Numbers(1, 31));
  label(tr("日"), 86, 24, 10);
  weekday_ = list("1045", 96, 22, 37, weekdays);
  label(tr("时间："), 5, 38);
  hour_ = list("1046", 26, 36, 22, Numbers(0, 23));
  label(tr("时"), 51, 39, 10);
  minute_ = list("1057", 62, 36, 22, Numbers(0, 59));
  label(tr("分"), 86, 39, 10);
  second_ = list("1058", 96, 36, 22, Numbers(0, 59));
  label(tr("秒"), 121, 39, 10);
  label(tr("内容："), 5, 53);
  content_ = Place(new QLineEdit(this), "1000", du.Rect(27, 51, 104, 12));

  auto button = [&](const char* id, const QString& text, int x) {
    auto* b = Place(new QPushButton(text, this), id, du.Rect(x, 64, 38, 13));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* add = button("1044", tr("添加任务"), 4);
  QPushButton* remove = button("1083", tr("删除单项"), 49);
  QPushButton* clear = button("1089", tr("清除所有"), 93);
  list_ = Place(new QListWidget(this), "1116", du.Rect(2, 78, 131, 98));
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  clockLine_ = Place(new QLineEdit(this), "1001", du.Rect(1, 180, 135, 12));
  uptimeLine_ = Place(new QLineEdit(this), "1002", du.Rect(1, 193, 134, 12));
  SetReadOnlyLook(clockLine_, true);
  SetReadOnlyLook(uptimeLine_, true);
  autorun_ = Place(new QCheckBox(tr("系统启动"), this), "1119", du.Rect(2, 209, 42, 8));
  minirun_ = Place(new QCheckBox(tr("启动最小"), this), "1107", du.Rect(48, 209, 42, 8));
  hideTray_ = Place(new QCheckBox(tr("隐藏托盘"), this), "1165", du.Rect(94, 209, 42, 8));
  // A check box's text needs more height than the 8 units the option row leaves it.
  for (QCheckBox* box : {autorun_, minirun_, hideTray_}) box->setFixedHeight(du.Y(10));

  for (QComboBox* narrow : {month_, day_, hour_, minute_, second_, weekday_, period_}) UseCompactArrow(narrow);

  connect(kind_, &QComboBox::activated, this, &CTaskDlg::OnKindActivated);
  connect(period_, &QComboBox::activated, this, &CTaskDlg::OnPeriodActivated);
  connect(add, &QPushButton::clicked, this, &CTaskDlg::AddTask);
  connect(remove, &QPushButton::clicked, this, &CTaskDlg::DeleteSelectedTask);
  connect(clear, &QPushButton::clicked, this, &CTaskDlg::ClearAllTasks);
  connect(autorun_, &QCheckBox::clicked, this, [this] { ToggleStartupOption(SettingKey::kAutorun); });
  connect(minirun_, &QCheckBox::clicked, this, [this] { ToggleStartupOption(SettingKey::kMinirun); });
  connect(hideTray_, &QCheckBox::clicked, this, [this] { ToggleStartupOption(SettingKey::kHideTrayIcon); });
}

void CTaskDlg::RefreshList() {
  QStringList lines;
  int number = 0;
  for (const ScheduledTask& task : table_.tasks()) lines << TaskTexts::Line(++number, task);
  SetListLines(list_, lines, kListExtentPx);
}

void CTaskDlg::UpdateClock(const LocalTime& now) {
  clockLine_->setText(TaskTexts::Clock(now));
  uptimeLine_->setText(TaskTexts::Uptime(services_.clock->UptimeMilliseconds()));
}

void CTaskDlg::PreselectNow(const LocalTime& now) {
  month_->setCurrentIndex(now.month - 1);
  day_->setCurrentIndex(now.day - 1);
  weekday_->setCurrentIndex(WeekdayOf(now.year, now.month, now.day));
  hour_->setCurrentIndex(now.hour);
  minute_->setCurrentIndex(now.minute);
  second_->setCurrentIndex(0);
}

void CTaskDlg::ArmTick() {
  int ms = 0;
  services_.clock->Now(&ms);
  tick_->start(MillisecondsToNextTick(ms));
}

void CTaskDlg::Tick() {
  const LocalTime now = services_.clock->Now(nullptr);
  UpdateClock(now);
  // The tasks another writer added or deleted meanwhile count from this second on.
  if (RefreshTasks(file_, table_)) RefreshList();
  for (const LocalTime& t : ticker_.Advance(now)) RunSecond(t);
  ArmTick();
}

void CTaskDlg::RunSecond(const LocalTime& t) {
  DueTasks due = CheckTasks(table_, t);
  // A once-only task leaves the file before its action: a restart must not find it again.
  if (!due.removed.empty()) {
    RemoveTasks(file_, table_, due.removed);
    RefreshList();
  }
  for (const TaskAction& action : due.actions) Carry(action);
  if (due.reminder) ShowReminder(TaskTexts::Reminder(t, *due.reminder));
}

void CTaskDlg::Carry(const TaskAction& action) {
  switch (action.kind) {
    case TaskKind::kReminder: break;  // all of the second's reminders share one box
    case TaskKind::kLogOff: services_.power->LogOff(); break;
    case TaskKind::kRestart: services_.power->Restart(); break;
    case TaskKind::kShutDown: services_.power->ShutDown(); break;
    case TaskKind::kStandBy: services_.power->StandBy(); break;
    case TaskKind::kRun: services_.run(QString::fromStdString(action.content)); break;
    case TaskKind::kMonitorOff:
      QTimer::singleShot(services_.monitorOffDelayMs, this, [monitor = services_.monitor] { monitor->TurnOff(); });
      break;
  }
}

// Shown without blocking: the timer goes on while the box is open, and a further reminder
// opens a further box.
void CTaskDlg::ShowReminder(const QString& text) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, CoreText(kTaskKindNames[0]), text, QMessageBox::Ok);
  box->button(QMessageBox::Ok)->setText(OkText());
  box->setAttribute(Qt::WA_DeleteOnClose);
  // The message box resets its window flags when its modality is set, so the flag comes after.
  box->setWindowModality(Qt::ApplicationModal);
  box->setWindowFlag(Qt::WindowStaysOnTopHint);
  FitCaption(box);
  boxes_.removeAll(nullptr);
  boxes_.append(box);
  box->show();
  box->raise();
  box->activateWindow();
}

QList<QMessageBox*> CTaskDlg::reminderBoxes() const {
  QList<QMessageBox*> open;
  for (const QPointer<QMessageBox>& box : boxes_) {
    if (box && box->isVisible()) open.append(box.data());
  }
  return open;
}

void CTaskDlg::AddTask() {
  ScheduledTask t;
  t.kind = static_cast<TaskKind>(kind_->currentIndex());
  t.period = static_cast<TaskPeriod>(period_->currentIndex());
  t.month = month_->currentIndex() + 1;
  t.day = day_->currentIndex() + 1;
  t.weekday = weekday_->currentIndex();
  t.hour = hour_->currentIndex();
  t.minute = minute_->currentIndex();
  t.second = second_->currentIndex();
  t.content = content_->text().toStdString();
  const TaskAddOutcome out = zelvik::AddTask(file_, table_, t);
  RefreshList();
  if (out.result != TaskAddResult::kAdded) {
    ShowNotice(this, tr("警告"), CoreText(TaskAddMessage(out.result)));
  } else if (!out.stored) {
    SaveFailure::Tell(this, file_.path());
  }
}

void CTaskDlg::DeleteSelectedTask() {
  if (list_->selectedItems().isEmpty()) return;
  bool stored = true;
  if (!zelvik::DeleteTask(file_, table_, list_->currentRow(), &stored)) return;
  RefreshList();
  if (!stored) SaveFailure::Tell(this, file_.path());
}

void CTaskDlg::ClearAllTasks() {
  const bool stored = ClearTasks(file_, table_);
  RefreshList();
  if (!stored) SaveFailure::Tell(this, file_.path());
}

void CTaskDlg::showEvent(QShowEvent* event) {
  if (RefreshTasks(file_, table_)) RefreshList();
  CToolWindow::showEvent(event);
}

void CTaskDlg::OnKindActivated(int kind) {
  SetReadOnlyLook(content_, kind != static_cast<int>(TaskKind::kReminder));
  if (kind == static_cast<int>(TaskKind::kRun)) PickRunFile();
}

void CTaskDlg::PickRunFile() {
  QFileDialog dialog(this, tr("打开"), QString(), tr("所有文件(*)"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    content_->setText(dialog.selectedFiles().constFirst());
  }
}

void CTaskDlg::OnPeriodActivated(int period) {
  if (period < 0 || period >= kTaskPeriodCount) return;
  const bool* uses = kPeriodLists[period];
  month_->setEnabled(uses[0]);
  day_->setEnabled(uses[1]);
  weekday_->setEnabled(uses[2]);
  hour_->setEnabled(uses[3]);
  minute_->setEnabled(uses[4]);
  second_->setEnabled(true);
}

// The click flips the stored flag rather than reading the box, as the box only shows the
// flag (checked exactly when it is 1).
void CTaskDlg::ToggleStartupOption(SettingKey key) {
  const int value = store_.flags().Get(key) == 1 ? 0 : 1;
  const bool entry = key == SettingKey::kAutorun && services_.autostart;
  // A failure is on stderr; the setting is stored all the same.
  if (entry) SetAutostart(value == 1);
  if (store_.StoreSetting(key, value)) return;
  // Not stored: the option is what the file says, and so is the autostart entry.
  const bool stored = store_.Load(key) == 1;
  if (entry && stored != (value == 1)) SetAutostart(stored);
  OptionBox(key)->setChecked(stored);
  SaveFailure::Tell(this, file_.path());
}

void CTaskDlg::SetAutostart(bool on) {
  if (on) {
    services_.autostart->Enable(services_.executable);
  } else {
    services_.autostart->Disable();
  }
}

QCheckBox* CTaskDlg::OptionBox(SettingKey key) const {
  switch (key) {
    case SettingKey::kAutorun: return autorun_;
    case SettingKey::kMinirun: return minirun_;
    default: return hideTray_;
  }
}

}  // namespace zelvik::ui
