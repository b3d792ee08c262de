// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's languages: which one the locale and --lang choose; in Chinese the lines the
// core writes, unchanged; in English every window walked once, with no Chinese left in what
// it shows and no label or button too narrow for its text.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

#include "app/about_dlg.h"
#include "app/command_line.h"
#include "common/core_message.h"
#include "common/display_text.h"
#include "common/language.h"
#include "config/gbk.h"
#include "support/main_window_support.h"
#include "support/modal_capture.h"
#include "tasks/task_table.h"
#include "tasks/task_texts.h"
#include "tools/column_text.h"
#include "tools/density_dlg.h"
#include "list_print.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

// A weekly shut-down, a reminder and a run task, and a size of the user's own.
constexpr char kConfig[] =
    "[任务01]\nrenwuxiang01=3\nzhouqi01=4\nweek01=2\nhour01=18\nminute01=0\nsecond01=0\ntxy01=系统关机\n"
    "[任务02]\nrenwuxiang02=0\nzhouqi02=0\nmonth02=3\ndate02=5\nhour02=8\nminute02=30\nsecond02=0\ntxy02=call\n"
    "[任务03]\nrenwuxiang03=5\nzhouqi03=3\nhour03=7\nminute03=0\nsecond03=0\ntxy03=/usr/bin/true\n"
    "[角钢]\n型号1=∠30×30×2\n单重1=0.9\n";

// What a widget shows: its title, tooltip, text, items and header.
QStringList Shown(QWidget* w) {
  QStringList texts{w->toolTip(), w->isWindow() ? w->windowTitle() : QString()};
  if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
  if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
  if (auto* column = qobject_cast<ColumnLabel*>(w)) texts << column->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->text() << edit->placeholderText();
  if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) texts << edit->toPlainText();
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  }
  if (auto* menu = qobject_cast<QMenu*>(w)) {
    texts << menu->title();
    for (QAction* action : menu->actions()) texts << action->text() << action->toolTip();
  }
  if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c) texts << model->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < model->rowCount(); ++r) {
      for (int c = 0; c < model->columnCount(); ++c) texts << model->index(r, c).data().toString();
    }
  }
  return texts;
}

// Room a label's, button's or group box's text has: its width less the frame, the check
// mark or the title's margins.
int Room(QWidget* w) {
  QStyle* style = w->style();
  const int mark = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
  if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) return w->width() - mark;
  if (qobject_cast<QPushButton*>(w)) return w->width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
  if (qobject_cast<QGroupBox*>(w)) return w->width() - 8;
  if (auto* label = qobject_cast<QLabel*>(w)) return label->contentsRect().width();
  return w->width();
}

QString Text(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->wordWrap() ? QString() : label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
  return {};
}

// Chinese left in a window or its children, and texts wider than their widgets.
void Walk(QWidget* window, QStringList* problems) {
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    const QString where = QStringLiteral("%1 %2 '%3'").arg(window->windowTitle(), w->metaObject()->className(), w->objectName());
    for (const QString& text : Shown(w)) {
      if (HasHan(text)) *problems << where + QStringLiteral(": Chinese: ") + text.left(60);
    }
    const QString text = Text(w);
    if (text.isEmpty()) continue;
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    if (widest > Room(w)) *problems << where + QStringLiteral(": cut: %1 (%2 px in %3)").arg(text).arg(widest).arg(Room(w));
  }
}

ScheduledTask Task(TaskKind kind, TaskPeriod period, const char* content = "") {
  ScheduledTask t;
  t.kind = kind;
  t.period = period;
  t.content = content;
  t.month = 11, t.day = 7, t.weekday = 6, t.hour = 9, t.minute = 5, t.second = 3;
  return t;
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }
  void cleanup() { InstallLanguage(*qApp, Language::kChinese); }

  void theLocaleChooses_data() {
    QTest::addColumn<QByteArrayList>("variables");  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; "-" unset
    QTest::addColumn<bool>("chinese");
    QTest::newRow("LANG zh_CN") << QByteArrayList{"-", "-", "-", "zh_CN.UTF-8"} << true;
    QTest::newRow("LANG en_US") << QByteArrayList{"-", "-", "-", "en_US.UTF-8"} << false;
    QTest::newRow("LANG de_DE") << QByteArrayList{"-", "-", "-", "de_DE.UTF-8"} << false;
    QTest::newRow("nothing set") << QByteArrayList{"-", "-", "-", "-"} << false;
    QTest::newRow("empty ones skipped") << QByteArrayList{"", "", "", "zh_TW.UTF-8"} << true;
    QTest::newRow("LC_ALL over LANG") << QByteArrayList{"-", "C", "-", "zh_CN.UTF-8"} << false;
    QTest::newRow("LC_MESSAGES over LANG") << QByteArrayList{"-", "-", "zh_CN.UTF-8", "en_GB.UTF-8"} << true;
    QTest::newRow("LANGUAGE first, its first entry") << QByteArrayList{"zh_CN:en", "de_DE.UTF-8", "-", "-"} << true;
    QTest::newRow("LANGUAGE en first") << QByteArrayList{"en:zh_CN", "-", "-", "zh_CN.UTF-8"} << false;
  }
  void theLocaleChooses() {
    QFETCH(QByteArrayList, variables);
    QFETCH(bool, chinese);
    const char* v[4];
    for (int i = 0; i < 4; ++i) v[i] = variables[i] == "-" ? nullptr : variables[i].constData();
    QCOMPARE(LanguageOfLocale(v[0], v[1], v[2], v[3]) == Language::kChinese, chinese);
  }

  void theLangOptionOverrides() {
    auto read = [](QByteArrayList args, std::optional<Language>* language) {
      args.prepend("zelvik");
      std::vector<char*> argv;
      for (QByteArray& a : args) argv.push_back(a.data());
      return ReadLanguageOption(static_cast<int>(argv.size()), argv.data(), language);
    };
    std::optional<Language> language;
    QCOMPARE(read({"--show"}, &language), std::nullopt);
    QVERIFY(!language);
    QCOMPARE(read({"--lang", "en"}, &language), std::nullopt);
    QCOMPARE(language, Language::kEnglish);
    QCOMPARE(read({"--show", "--lang=zh"}, &language), std::nullopt);
    QCOMPARE(language, Language::kChinese);
    QCOMPARE(read({"--lang", "de"}, &language), 2);
    QCOMPARE(read({"--lang"}, &language), 2);
  }

  // What the task window shows in Chinese is what zelvik-cli prints.
  void chineseLinesAreTheCoresOwn() {
    for (int period = 0; period <= kTaskPeriodCount; ++period) {
      for (int kind = 0; kind < kTaskKindCount; ++kind) {
        const ScheduledTask t = Task(static_cast<TaskKind>(kind), static_cast<TaskPeriod>(period), "开会 /opt/a");
        QCOMPARE(TaskTexts::Line(12, t), QString::fromStdString(TaskLine(12, t)));
      }
    }
    const LocalTime t{2013, 11, 17, 9, 5, 3};
    QCOMPARE(TaskTexts::Clock(t), QString::fromStdString(ClockLine(t)));
    QCOMPARE(TaskTexts::Uptime(18'723'456), QString::fromStdString(UptimeLine(18'723'456)));
    const std::string reminder = ReminderTimeLine(t) + "\n开会\n";
    QCOMPARE(TaskTexts::Reminder(t, reminder), QString::fromStdString(reminder));
    QCOMPARE(CoreText("φ20钢芯"), QStringLiteral("φ20钢芯"));
  }

  void sizeNamesInEnglish_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("shown");
    QTest::newRow("I-beam") << "工20a" << "I20a";
    QTest::newRow("rope core") << "φ20钢芯" << "φ20 IWRC";
    QTest::newRow("rope spec") << "6×19-20天然纤芯" << "6×19-20 NFC";
    QTest::newRow("cotter pins") << "开口销91-2000" << "Cotter pin 91-2000";
    QTest::newRow("spec prefix") << "六角20" << "Hex 20";
    QTest::newRow("type name") << "菱形花纹板δ4" << "Diamond plate δ4";
    QTest::newRow("whole text") << "角钢(热轧)" << "Angle (hot-rolled)";
    QTest::newRow("symbols stay") << "∠50×50×5" << "∠50×50×5";
    QTest::newRow("no translation") << "某型号20" << "某型号20";
  }
  void sizeNamesInEnglish() {
    QFETCH(QString, core);
    QFETCH(QString, shown);
    InstallLanguage(*qApp, Language::kEnglish);
    QCOMPARE(CoreText(core.toStdString()), shown);
  }

  // A message the core composed: its pattern translated, typed texts kept, core names shown.
  void coreMessagesInEnglish_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("shown");
    QTest::newRow("typed text kept") << "数量 \"2%1\" 太大" << "Quantity \"2%1\" is too large";
    QTest::newRow("nested, names shown") << "没有这个规格：工99（是否为：工20a、工20b）"
                                         << "No such size: 工99 (did you mean: I20a, I20b)";
    QTest::newRow("inner message") << "尺寸不对：壁厚为0" << "Wrong dimensions: the wall is 0";
    QTest::newRow("core names") << "规格 \"L50\" 读作角钢(热轧)，不是工字钢" << "Size \"L50\" reads as Angle (hot-rolled), not I-beam";
    QTest::newRow("unknown stays") << "别的消息" << "别的消息";
  }
  void coreMessagesInEnglish() {
    QFETCH(QString, core);
    QFETCH(QString, shown);
    QCOMPARE(CoreMessage(core.toStdString()), core);
    InstallLanguage(*qApp, Language::kEnglish);
    QCOMPARE(CoreMessage(core.toStdString()), shown);
  }

  // The printed list and the workbook follow the interface; the user's own texts stay.
  void theListDocumentInEnglish() {
    ListRow angle;
    angle.item = ResolvedSpec{"hot-angle", "角钢(热轧)", "∠50×50×5", 3.77, "kg/m", true, [](double mm) { return mm * 3.77e-3; }};
    angle.lengthMm = 6000;
    ListRow own = angle;
    own.item.product = "自购件";
    const std::vector<ListRow> rows{angle, own};
    const ListDocument doc = MakeListDocument(rows, ListDisplay{}, ListDocumentHeader{"2024-05-01", "", ""});
    const ListDocument chinese = print::ShownListDocument(doc);
    QCOMPARE(chinese.items.columns[1].header, doc.items.columns[1].header);
    QCOMPARE(chinese.items.rows[0][1].text, doc.items.rows[0][1].text);
    QCOMPARE(chinese.summary.name, doc.summary.name);
    InstallLanguage(*qApp, Language::kEnglish);
    const ListDocument english = print::ShownListDocument(doc);
    QCOMPARE(english.title, std::string("Materials list"));
    QCOMPARE(english.items.columns[4].header, std::string("Length (mm)"));
    QCOMPARE(english.items.rows[0][1].text, std::string("Angle (hot-rolled)"));
    QCOMPARE(english.items.rows[1][1].text, std::string("自购件"));
    QCOMPARE(english.items.rows[0][10].text, std::string("CNY/t"));
    QCOMPARE(english.items.totals[0].text, std::string("Total"));
    QCOMPARE(print::ShownXlsxTexts().footer, std::string("&CPage &P of &N"));
    const auto named = print::ShownListDocument(doc, [](const std::string& t) { return "<" + t + ">"; });
    QCOMPARE(named.items.rows[0][2].text, std::string("<∠50×50×5>"));
    QCOMPARE(named.summary.rows[0][0].text, std::string("<角钢(热轧)>"));
  }

  // The main window, its pages and menus, every tool window, the quick entry, the about box
  // and a message box.
  void everyWindowInEnglish() {
    InstallLanguage(*qApp, Language::kEnglish);
    MainWindowFixture f(QByteArray::fromStdString(*Utf8ToGbk(kConfig)));
    QStringList problems;
    Walk(&f.dlg(), &problems);
    for (int kind = 0; kind < kToolKindCount; ++kind) {
      if (CToolWindow* tool = f.dlg().ShowToolWindow(static_cast<ToolKind>(kind))) {
        QCoreApplication::processEvents();  // a splitter sizes its panes once shown
        Walk(tool, &problems);
      }
    }
    for (QDialog* dialog : f.dlg().findChildren<QDialog*>(QStringLiteral("specEntry"))) Walk(dialog, &problems);
    CAboutDlg about(&f.dlg());
    Walk(&about, &problems);
    for (const QString& problem : problems) qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 texts in Chinese or cut (listed above)").arg(problems.size())));
    auto* density = f.dlg().findChild<CDensityDlg*>();
    QVERIFY(density != nullptr);
    density->findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("zzz"));
    const ModalSeen seen = RunAnsweringModals([density] { density->FindNext(); });
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.title + QLatin1Char('|') + seen.text, QStringLiteral("Notice|Sorry, not found!"));
  }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
