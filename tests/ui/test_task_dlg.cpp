// SPDX-License-Identifier: GPL-3.0-or-later
// The task window: its editor's rules, the list against the file, the start-up options, and
// the timer carrying tasks out while the window is hidden.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "config/gbk.h"
#include "support/fake_task_services.h"
#include "support/main_window_support.h"
#include "support/modal_capture.h"
#include "tasks/task_dlg.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

// A task window over a configuration file of its own, with fake services.
struct Env {
  explicit Env(const std::string& configUtf8 = {}) {
    path = QFile::encodeName(dir.path()).toStdString() + "/ConfigMW.ini";
    if (!configUtf8.empty()) {
      QFile f(QString::fromStdString(path));
      f.open(QIODevice::WriteOnly);
      const std::string gbk = *Utf8ToGbk(configUtf8);
      f.write(gbk.data(), static_cast<qint64>(gbk.size()));
    }
    store = std::make_unique<SettingsStore>(IniFile(path));
    dlg = std::make_unique<CTaskDlg>(nullptr, *store, fakes.Services());
  }
  ~Env() {
    for (QMessageBox* box : dlg->reminderBoxes()) box->close();
  }
  std::string Text() const {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "";
    const QByteArray bytes = f.readAll();
    return GbkToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))).value_or("?");
  }
  bool Exists() const { return QFile::exists(QString::fromStdString(path)); }
  template <class W>
  W* C(const char* id) const {
    return dlg->findChild<W*>(QString::fromLatin1(id));
  }
  QStringList Lines() const {
    QStringList lines;
    auto* list = C<QListWidget>("1116");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  void Click(const char* id) { QTest::mouseClick(C<QAbstractButton>(id), Qt::LeftButton); }
  // Sets the editor as the user would and presses "添加任务".
  void Add(int kind, int period, int month, int day, int weekday, int h, int m, int s, const QString& content) {
    C<QComboBox>("1010")->setCurrentIndex(kind);
    C<QComboBox>("1033")->setCurrentIndex(period);
    C<QComboBox>("1015")->setCurrentIndex(month - 1);
    C<QComboBox>("1038")->setCurrentIndex(day - 1);
    C<QComboBox>("1045")->setCurrentIndex(weekday);
    C<QComboBox>("1046")->setCurrentIndex(h);
    C<QComboBox>("1057")->setCurrentIndex(m);
    C<QComboBox>("1058")->setCurrentIndex(s);
    C<QLineEdit>("1000")->setText(content);
    Click("1044");
  }
  void At(int y, int mo, int d, int h, int mi, int s) {
    fakes.clock->now = {y, mo, d, h, mi, s};
    dlg->Tick();
  }
  QStringList BoxTexts() const {
    QStringList texts;
    for (QMessageBox* box : dlg->reminderBoxes()) texts << box->text();
    return texts;
  }

  QTemporaryDir dir;
  std::string path;
  FakeTaskServices fakes;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<CTaskDlg> dlg;
};

}  // namespace

class TaskDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void startsEmptyWithTheClockPreselected() {
    Env e;
    QCOMPARE(e.dlg->windowTitle(), QStringLiteral("定时任务"));
    QVERIFY(!e.dlg->isVisible());
    QCOMPARE(e.Lines(), QStringList());
    QVERIFY(!e.Exists());
    QCOMPARE(e.C<QComboBox>("1010")->currentIndex(), 0);
    QCOMPARE(e.C<QComboBox>("1033")->currentIndex(), 0);
    // 2013-11-17 10:30, a Sunday.
    QCOMPARE(e.C<QComboBox>("1015")->currentText(), QStringLiteral("11"));
    QCOMPARE(e.C<QComboBox>("1038")->currentText(), QStringLiteral("17"));
    QCOMPARE(e.C<QComboBox>("1045")->currentText(), QStringLiteral("星期日"));
    QCOMPARE(e.C<QComboBox>("1046")->currentText(), QStringLiteral("10"));
    QCOMPARE(e.C<QComboBox>("1057")->currentText(), QStringLiteral("30"));
    QCOMPARE(e.C<QComboBox>("1058")->currentText(), QStringLiteral("00"));
    QCOMPARE(e.C<QComboBox>("1033")->itemText(3), QStringLiteral("每  天"));
    QCOMPARE(e.C<QLineEdit>("1001")->text(), QStringLiteral("现在时间:2013-11-17 10:30:00星期日"));
    QCOMPARE(e.C<QLineEdit>("1002")->text(), QStringLiteral("系统已运行: 5小时12分3秒"));
    QVERIFY(e.dlg->tickTimer()->isActive());
    for (const char* id : {"1015", "1038", "1045", "1046", "1057", "1058"}) QVERIFY(e.C<QComboBox>(id)->isEnabled());
  }

  void eachPeriodEnablesItsLists() {
    Env e;
    // month, day, weekday, hour, minute, second
    const bool expected[6][6] = {{1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 1, 1},
                                 {0, 0, 0, 1, 1, 1}, {0, 0, 1, 1, 1, 1}, {0, 1, 1, 1, 1, 1}};
    const char* lists[] = {"1015", "1038", "1045", "1046", "1057", "1058"};
    for (int period : {5, 1, 4, 2, 3, 0}) {
      ChooseByUser(e.C<QComboBox>("1033"), period);
      for (int i = 0; i < 6; ++i) {
        QVERIFY2(e.C<QComboBox>(lists[i])->isEnabled() == expected[period][i],
                 qPrintable(QStringLiteral("period %1 list %2").arg(period).arg(lists[i])));
      }
    }
    // Disabled lists keep their selection; the list shows the task as the file holds it.
    ChooseByUser(e.C<QComboBox>("1033"), 1);
    e.Add(0, 1, 4, 9, 2, 7, 8, 9, QStringLiteral("x"));
    QCOMPARE(e.C<QComboBox>("1015")->currentIndex(), 3);
    QCOMPARE(e.dlg->table().tasks()[0].second, 9);
    QCOMPARE(e.Lines(), QStringList{QStringLiteral("1、每分钟 09 x")});
  }

  void onlyRemindersTakeTextAndRunOpensTheFileDialog() {
    Env e;
    QTemporaryDir files;
    const QString program = files.path() + QStringLiteral("/tool");
    QFile(program).open(QIODevice::WriteOnly);
    auto* kind = e.C<QComboBox>("1010");
    auto* content = e.C<QLineEdit>("1000");
    content->setText(QStringLiteral("kept"));
    ChooseByUser(kind, 1);
    QVERIFY(content->isReadOnly());
    QCOMPARE(content->text(), QStringLiteral("kept"));
    ChooseByUser(kind, 0);
    QVERIFY(!content->isReadOnly());

    QStringList filters;
    auto pick = [&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      filters = dialog->nameFilters();
      dialog->selectFile(program);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides its own accept()
    };
    ModalSeen seen = RunAnsweringModals([&] { ChooseByUser(kind, 5); }, pick);
    QCOMPARE(seen.count, 1);
    QCOMPARE(filters, QStringList{QStringLiteral("所有文件(*)")});
    QCOMPARE(content->text(), program);
    QVERIFY(content->isReadOnly());
    // Choosing it again after another kind opens it again; a cancel leaves the text.
    ChooseByUser(kind, 6);
    seen = RunAnsweringModals([&] { ChooseByUser(kind, 5); }, [](QWidget* m) { qobject_cast<QDialog*>(m)->reject(); });
    QCOMPARE(seen.count, 1);
    QCOMPARE(content->text(), program);
    e.Click("1044");
    QCOMPARE(e.Lines().last(), QStringLiteral("1、11月17日10:30:00 运行") + program);
  }

  void addDeleteClearAgainstTheFile() {
    Env e("[任务01]\nrenwuxiang01=0\nzhouqi01=3\nhour01=8\nminute01=30\nsecond01=0\ntxy01=开会\n"
          "[任务02]\nrenwuxiang02=3\nzhouqi02=4\nweek02=0\nhour02=18\nminute02=0\nsecond02=0\ntxy02=系统关机\n"
          "[任务04]\nrenwuxiang04=2\nzhouqi04=1\nsecond04=1\ntxy04=系统重启\n");
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、每天 08:30:00 开会"), QStringLiteral("2、每周1 18:00:00 系统关机")}));
    e.Add(6, 4, 1, 1, 6, 1, 2, 3, QString());
    QCOMPARE(e.Lines().last(), QStringLiteral("3、每周7 01:02:03 关显示器"));
    QVERIFY(e.Text().find("[任务03]\nrenwuxiang03=6\nzhouqi03=4\nweek03=6\nhour03=1\nminute03=2\nsecond03=3\ntxy03=关显示器\n") !=
            std::string::npos);
    QVERIFY(e.Text().find("任务04") == std::string::npos);

    e.Click("1083");  // nothing selected: nothing happens
    QCOMPARE(e.Lines().size(), 3);
    e.C<QListWidget>("1116")->setCurrentRow(1);
    e.Click("1083");
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、每天 08:30:00 开会"), QStringLiteral("2、每周7 01:02:03 关显示器")}));
    QVERIFY(e.Text().find("[任务03]") == std::string::npos);
    e.Click("1089");
    QCOMPARE(e.Lines(), QStringList());
    QVERIFY(!e.Exists());
  }

  // zelvik-cli (the same locked change) adds while the window holds its list: the window's
  // next add and delete keep that task, and it shows the file's list after each.
  void anotherWritersTaskSurvivesTheWindowsChanges() {
    Env e;
    e.Add(0, 1, 1, 1, 0, 0, 0, 1, QStringLiteral("mine"));
    IniFile cli(e.path);
    TaskTable other;
    ScheduledTask task;
    task.period = TaskPeriod::kEveryMinute;
    task.content = "cli";
    AddTask(cli, other, task);
    e.Add(0, 1, 1, 1, 0, 0, 0, 3, QStringLiteral("next"));
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、每分钟 01 mine"), QStringLiteral("2、每分钟 00 cli"),
                                     QStringLiteral("3、每分钟 03 next")}));
    e.C<QListWidget>("1116")->setCurrentRow(0);
    e.Click("1083");
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、每分钟 00 cli"), QStringLiteral("2、每分钟 03 next")}));
    // Shown again, the window picks up what was changed while it was hidden.
    ClearTasks(cli, other);
    e.dlg->show();
    QCOMPARE(e.Lines(), QStringList());
  }

  // A user's change that cannot be stored is answered once, and the window shows the file;
  // the start-up's own rewrite of a read-only file stays silent.
  void aSaveThatFailsIsReported() {
    ModalSeen atStart;
    std::unique_ptr<Env> made;
    atStart = RunAnsweringModals([&] {
      made = std::make_unique<Env>("[Setting]\nminirun=1\n[任务01]\nrenwuxiang01=1\nzhouqi01=1\nsecond01=1\n");
      QFile::setPermissions(QString::fromStdString(made->path), QFile::ReadOwner);
      made->dlg.reset();
      made->dlg = std::make_unique<CTaskDlg>(nullptr, *made->store, made->fakes.Services());
    });
    QCOMPARE(atStart.count, 0);
    Env& e = *made;
    const QString expected = QStringLiteral("无法保存到配置文件：") + QString::fromStdString(e.path);
    for (const char* button : {"1044", "1089", "1107"}) {
      ModalSeen seen = RunAnsweringModals([&] { e.Click(button); });
      QCOMPARE(seen.count, 1);
      QCOMPARE(seen.title, QStringLiteral("提示"));
      QCOMPARE(seen.text, expected);
      QCOMPARE(e.Lines(), QStringList{QStringLiteral("1、每分钟 01 系统注销")});
    }
    QVERIFY(e.C<QCheckBox>("1107")->isChecked());  // still what the file says
    QCOMPARE(e.store->flags().minirun, 1);
  }

  void theSixtyNinthTaskIsRefused() {
    Env e;
    for (int i = 0; i < 68; ++i) e.Add(6, 1, 1, 1, 0, 0, 0, i % 60, QString());
    QCOMPARE(e.Lines().size(), 68);
    ModalSeen seen = RunAnsweringModals([&] { e.Click("1044"); });
    QCOMPARE(seen.title, QStringLiteral("警告"));
    QCOMPARE(seen.text, QStringLiteral("任务数量超出范围"));
    QCOMPARE(e.Lines().size(), 68);
  }

  void startupOptionsToggleTheirFlags() {
    Env e("[Setting]\nminirun=1\nhidetubiao=2\n");
    auto* autorun = e.C<QCheckBox>("1119");
    auto* minirun = e.C<QCheckBox>("1107");
    auto* hide = e.C<QCheckBox>("1165");
    QVERIFY(!autorun->isChecked());
    QVERIFY(minirun->isChecked());
    QVERIFY(!hide->isChecked());  // only 1 counts as set
    e.Click("1119");
    QCOMPARE(e.fakes.autostart->calls, QStringList{QStringLiteral("Enable /opt/zelvik/zelvik")});
    QCOMPARE(e.store->flags().autorun, 1);
    e.Click("1165");
    QVERIFY(hide->isChecked());
    QCOMPARE(e.Text(), std::string("[Setting]\nminirun=1\nhidetubiao=1\nautorun=1\n"));
    e.Click("1107");
    e.Click("1165");
    e.fakes.autostart->fail = true;  // the entry cannot be removed: the setting goes all the same
    e.Click("1119");
    QCOMPARE(e.fakes.autostart->calls.last(), QStringLiteral("Disable"));
    QVERIFY(!autorun->isChecked());
    QVERIFY(!e.Exists());  // every flag 0 and nothing else stored
  }

  void remindersOfOneSecondShareOneBox() {
    Env e;
    e.Add(0, 1, 1, 1, 0, 0, 0, 5, QStringLiteral("A"));
    e.Add(0, 2, 1, 1, 0, 0, 30, 5, QStringLiteral("B"));
    e.At(2013, 12, 8, 14, 30, 5);
    QCOMPARE(e.BoxTexts(), QStringList{QStringLiteral("12月8日 14:30:05\nA\nB\n")});
    QMessageBox* first = e.dlg->reminderBoxes().first();
    QCOMPARE(first->windowTitle(), QStringLiteral("定时提醒"));
    QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(first->buttons().first()->text(), QStringLiteral("确定"));
    QVERIFY(e.dlg->tickTimer()->isActive());  // the timer goes on while the box is open
    e.At(2013, 12, 8, 14, 31, 5);
    QCOMPARE(e.BoxTexts(), (QStringList{QStringLiteral("12月8日 14:30:05\nA\nB\n"), QStringLiteral("12月8日 14:31:05\nA\n")}));
    e.At(2013, 12, 8, 14, 31, 6);
    QCOMPARE(e.BoxTexts().size(), 2);
    QCOMPARE(e.C<QLineEdit>("1001")->text(), QStringLiteral("现在时间:2013-12-08 14:31:06星期日"));
    e.fakes.clock->uptime = 2147483648u + 3600000u;
    e.At(2013, 12, 8, 14, 31, 7);
    QCOMPARE(e.C<QLineEdit>("1002")->text(), QStringLiteral("系统已运行: 597小时31分23秒"));
  }

  void onceOnlyTasksLeaveListAndFileAtTheirSecond() {
    Env e;
    e.Add(0, 0, 12, 8, 0, 10, 29, 0, QStringLiteral("早"));
    e.Add(5, 0, 12, 8, 0, 10, 30, 0, QStringLiteral("/opt/own"));
    e.Add(5, 0, 12, 9, 0, 10, 30, 0, QStringLiteral("/opt/next"));
    e.Add(0, 0, 12, 8, 0, 10, 30, 0, QStringLiteral("开会"));
    e.Add(1, 0, 12, 8, 0, 10, 30, 0, QString());
    e.Add(2, 3, 1, 1, 0, 10, 30, 0, QString());
    e.Add(3, 3, 1, 1, 0, 10, 30, 0, QString());
    e.Add(4, 3, 1, 1, 0, 10, 30, 0, QString());
    e.Add(6, 3, 1, 1, 0, 10, 30, 0, QString());
    e.At(2013, 12, 8, 10, 30, 0);
    QCOMPARE(*e.fakes.runs, QStringList{QStringLiteral("/opt/own")});
    QCOMPARE(e.fakes.power->calls, (QStringList{"LogOff", "Restart", "ShutDown", "StandBy"}));
    QCOMPARE(e.BoxTexts(), QStringList{QStringLiteral("12月8日 10:30:00\n开会\n")});
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、12月08日10:29:00 早"), QStringLiteral("2、12月09日10:30:00 运行/opt/next"),
                                     QStringLiteral("3、每天 10:30:00 系统重启"), QStringLiteral("4、每天 10:30:00 系统关机"),
                                     QStringLiteral("5、每天 10:30:00 系统待机"), QStringLiteral("6、每天 10:30:00 关显示器")}));
    QVERIFY(e.Text().find("开会") == std::string::npos);
    QVERIFY(e.Text().find("[任务07]") == std::string::npos);
    QCOMPARE(e.fakes.monitor->turnedOff, 0);  // after a moment, not at once
    QTRY_COMPARE(e.fakes.monitor->turnedOff, 1);
  }

  void eachSecondIsExaminedOnce() {
    Env e;
    e.Add(6, 1, 1, 1, 0, 0, 0, 5, QString());
    e.Add(6, 1, 1, 1, 0, 0, 0, 6, QString());
    e.At(2013, 12, 8, 10, 0, 5);
    e.At(2013, 12, 8, 10, 0, 5);  // a second tick within the second
    QTRY_COMPARE(e.fakes.monitor->turnedOff, 1);
    e.At(2013, 12, 8, 10, 1, 4);
    e.At(2013, 12, 8, 10, 1, 6);  // 10:01:05 was missed by a late tick: made up in order
    QTRY_COMPARE(e.fakes.monitor->turnedOff, 3);
    e.At(2013, 12, 8, 10, 2, 0);
    e.At(2013, 12, 8, 10, 2, 7);  // a long gap is not made up
    QTest::qWait(100);
    QCOMPARE(e.fakes.monitor->turnedOff, 3);
  }

  void theTimerAimsJustAfterTheNextSecond() {
    Env e;
    e.fakes.clock->millisecond = 900;
    e.dlg->Tick();
    QCOMPARE(e.dlg->tickTimer()->remainingTime() <= 100 + kTickMarginMs, true);
    QCOMPARE(e.dlg->tickTimer()->timerType(), Qt::PreciseTimer);
  }

  void runStartsAnExecutableWithoutArguments() {
    QTemporaryDir dir;
    const QString script = dir.path() + QStringLiteral("/任务 脚本.sh");
    const QString marker = dir.path() + QStringLiteral("/ran");
    QFile f(script);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n").arg(marker).toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!LaunchTaskContent(QString()));
    QVERIFY(LaunchTaskContent(script));
    auto written = [&] {
      QFile ran(marker);
      return ran.open(QIODevice::ReadOnly) ? ran.readAll() : QByteArray();
    };
    QTRY_COMPARE(written(), QByteArray("0\n"));  // started, with no arguments
  }

  // The real window in the main window: created hidden, its entry usable, its options in
  // the main window's store, and its reminders shown while it stays hidden.
  void livesInTheMainWindow() {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    MainWindowFixture f;
    auto* tasks = qobject_cast<CTaskDlg*>(f.dlg().toolSlot(ToolKind::kTasks).window);
    QVERIFY(tasks != nullptr);
    QVERIFY(!tasks->isVisible());
    QVERIFY(tasks->tickTimer()->isActive());
    QAction* entry = f.dlg().toolMenu()->actions().at(5);  // after "规格…"
    QCOMPARE(entry->text(), QStringLiteral("定时任务"));
    QVERIFY(entry->isEnabled());
    auto* hide = tasks->findChild<QCheckBox*>(QStringLiteral("1165"));
    QTest::mouseClick(hide, Qt::LeftButton);
    QCOMPARE(f.dlg().settingsStore().flags().hideTrayIcon, 1);
    QVERIFY(f.ConfigText().contains(QLatin1String("hidetubiao=1")));
    entry->trigger();
    QVERIFY(tasks->isVisible());
    entry->trigger();
    QVERIFY(!tasks->isVisible());
  }
};

QTEST_MAIN(TaskDlgTest)
#include "test_task_dlg.moc"
