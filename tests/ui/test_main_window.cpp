// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: settings broadcast to all eighteen calculators, reset, the stored unit
// system, keys, the advertising area, commands and tooltips.
#include <QCheckBox>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>
#include <vector>

#include "app/calculator_strip.h"
#include "pages/weight_page.h"
#include "app/instance_marker.h"
#include "platform/single_instance.h"
#include "support/main_window_support.h"
#include "support/modal_capture.h"
#include "tools/tool_windows.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

// Each calculator with inputs that give it a weight, how the weight follows the density,
// and how it scales from "kg;mm" to "kg;m" with the same texts typed.
struct Calculator {
  int page;
  const char* result;
  std::vector<std::pair<const char*, const char*>> inputs;
  bool followsDensity;
  double kgMRatio;
};

const std::vector<Calculator>& Calculators() {
  static const std::vector<Calculator> kCalcs = {
      {0, "1004", {{"1000", "1000"}, {"1001", "1000"}, {"1002", "1"}}, true, 1e6},  // plate by L × W
      {0, "1007", {{"1005", "1000000"}, {"1006", "1"}}, true, 1e6},                 // plate by area
      {0, "1012", {{"1011", "1000"}}, true, 1e3},                                   // hot angle
      {0, "1027", {{"1018", "100"}, {"1022", "1000"}}, true, 1e3},                  // round bar
      {0, "1032", {{"1031", "1000"}}, true, 1e3},                                   // hot channel
      {0, "1036", {{"1035", "1000"}}, true, 1e3},                                   // I-beam
      {1, "1070", {{"1069", "1000"}}, true, 1e3},                                   // square tube
      {1, "1074", {{"1073", "1000"}}, true, 1e3},                                   // welded pipe
      {1, "1077", {{"1076", "1000"}}, true, 1e3},                                   // bolt
      {1, "1056", {{"1055", "1000"}}, true, 1e3},                                   // H section
      {1, "1061", {{"1060", "1000000"}}, true, 1e6},                                // checker plate
      {1, "1065", {{"1064", "1000"}}, false, 1},                                    // wire rope, metres
      {2, "1137", {{"1136", "1000"}}, true, 1e3},                                   // hexagonal bar
      {2, "1140", {{"1139", "1000"}}, true, 1e3},                                   // octagonal bar
      {2, "1143", {{"1142", "1000"}}, true, 1e3},                                   // rebar
      {2, "1146", {{"1145", "1000"}}, true, 1e3},                                   // cold angle
      {2, "1149", {{"1148", "1000"}}, true, 1e3},                                   // cold channel
      {2, "1152", {{"1151", "1000"}}, true, 1e3},                                   // cold Z
  };
  return kCalcs;
}

void FillAllCalculators(MainWindowFixture& f) {
  for (const Calculator& c : Calculators()) {
    for (const auto& [id, text] : c.inputs) f.OnPage<QLineEdit>(c.page, id)->setText(QString::fromLatin1(text));
  }
}

QStringList Results(MainWindowFixture& f) {
  QStringList texts;
  for (const Calculator& c : Calculators()) texts << f.OnPage<QLineEdit>(c.page, c.result)->text();
  return texts;
}

bool CloseRatio(double value, double base, double ratio) {
  return std::abs(value - base * ratio) <= 1e-4 * std::abs(base * ratio) + 1e-6;
}

int Decimals(const QString& text) {
  const int point = text.indexOf(QLatin1Char('.'));
  return point < 0 ? 0 : text.size() - point - 1;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void startsWithTheDocumentedControls() {
    MainWindowFixture f;
    CZelvikDlg& dlg = f.dlg();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("ZelvikV4.2"));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

    const struct {
      const char* id;
      const char* caption;
    } kCaptions[] = {{"1119", "统计:"}, {"1048", "+"},     {"1049", "-"},        {"1101", "="},
                     {"1044", "↑"},     {"1039", "置 顶"}, {"1102", "重 置"},    {"1103", "附加工具"},
                     {"1107", ""},      {"1083", "关于"},  {"32771", "退出"}};
    for (const auto& c : kCaptions) {
      auto* button = f.Main<QAbstractButton>(c.id);
      QVERIFY2(button != nullptr, c.id);
      QCOMPARE(button->text(), QString::fromUtf8(c.caption));
    }
    QVERIFY(!f.Main<QPushButton>("1044")->isEnabled());
    QVERIFY(f.Main<QCheckBox>("1119")->isChecked());
    QVERIFY(f.Main<QCheckBox>("1107")->isChecked());
    QVERIFY(f.Main<QRadioButton>("1048")->isChecked());
    QVERIFY(f.Main<QLineEdit>("1053")->isReadOnly());
    QVERIFY(f.Main<QLineEdit>("1053")->text().isEmpty());
    QVERIFY(f.Main<QLineEdit>("1047")->text().isEmpty());
    QVERIFY(f.Main<QFrame>("1124") != nullptr);
    QVERIFY(f.Main<QWidget>("1159") != nullptr);
    QVERIFY(f.Main<QWidget>("1163") != nullptr);
    QVERIFY(f.Main<QLabel>("1164") != nullptr);
    QVERIFY(f.Main<QAbstractButton>("1118") != nullptr);

    auto* tabs = f.Main<QTabWidget>("1125");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral(" 第 一 页 "));
    QCOMPARE(tabs->tabText(1), QStringLiteral(" 第 二 页 "));
    QCOMPARE(tabs->tabText(2), QStringLiteral(" 第 三 页 "));
    QCOMPARE(tabs->currentIndex(), 0);

    auto* decimals = f.Main<QComboBox>("1015");
    QCOMPARE(decimals->count(), 10);
    QCOMPARE(decimals->itemText(9), QStringLiteral("9"));
    QCOMPARE(decimals->currentIndex(), 2);
    auto* units = f.Main<QComboBox>("1010");
    QCOMPARE(units->count(), 3);
    QCOMPARE(units->itemText(0), QStringLiteral("kg;mm"));
    QCOMPARE(units->itemText(1), QStringLiteral("kg;m"));
    QCOMPARE(units->itemText(2), QStringLiteral("t;m"));
    QCOMPARE(units->currentIndex(), 0);
    QCOMPARE(f.Main<QLineEdit>("1016")->text(), QStringLiteral("7.85"));

    QCOMPARE(dlg.Settings().decimals, 2);
    QCOMPARE(dlg.Settings().unitSystem, 0);
    QCOMPARE(dlg.Settings().density, 7.85);
    QVERIFY(!f.ConfigExists());
  }

  // Captions must not be cut off, and nothing may stick out of the window.
  void controlsFitTheirTextsAndTheWindow() {
    MainWindowFixture f;
    const QRect window = f.dlg().rect();
    for (QWidget* w : f.dlg().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (w->isWindow()) continue;
      QVERIFY2(window.contains(w->geometry()), qPrintable(w->objectName()));
      QString text;
      int room = w->width();
      if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->text();
      } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        text = box->text();
        room -= box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
      } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        text = radio->text();
        room -= radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        text = button->text();
        room -= 4;
      }
      if (text.isEmpty()) continue;
      const int needed = w->fontMetrics().horizontalAdvance(text);
      QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 \"%2\": %3 > %4").arg(w->objectName(), text).arg(needed).arg(room)));
    }
  }

  void settingsChangesRecomputeAllEighteen() {
    MainWindowFixture f;
    FillAllCalculators(f);

    ChooseByUser(f.Main<QComboBox>("1015"), 6);
    const QStringList base = Results(f);
    for (const QString& text : base) {
      QCOMPARE(Decimals(text), 6);
      QVERIFY2(text.toDouble() > 0, qPrintable(text));
    }

    f.Main<QLineEdit>("1016")->setText(QStringLiteral("8"));
    QStringList now = Results(f);
    for (int i = 0; i < base.size(); ++i) {
      const double ratio = Calculators()[i].followsDensity ? 8 / 7.85 : 1.0;
      QVERIFY2(CloseRatio(now[i].toDouble(), base[i].toDouble(), ratio), qPrintable(now[i] + " / " + base[i]));
    }
    f.Main<QLineEdit>("1016")->setText(QStringLiteral("7.85"));
    QCOMPARE(Results(f), base);

    ChooseByUser(f.Main<QComboBox>("1010"), 1);
    now = Results(f);
    for (int i = 0; i < base.size(); ++i) {
      QVERIFY2(CloseRatio(now[i].toDouble(), base[i].toDouble(), Calculators()[i].kgMRatio),
               qPrintable(now[i] + " / " + base[i]));
    }
    ChooseByUser(f.Main<QComboBox>("1010"), 0);
    QCOMPARE(Results(f), base);

    ChooseByUser(f.Main<QComboBox>("1015"), 0);
    for (const QString& text : Results(f)) QCOMPARE(Decimals(text), 0);
  }

  void densityFieldReadsAPlainNumber_data() {
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("plate");
    QTest::newRow("8") << "8" << "8.00";
    QTest::newRow("not an expression") << "7.85+1" << "7.85";
    QTest::newRow("leading number only") << "7.9abc" << "7.90";
    QTest::newRow("empty") << "" << "0.00";
    QTest::newRow("no number") << "abc" << "0.00";
  }

  void densityFieldReadsAPlainNumber() {
    QFETCH(QString, density);
    QFETCH(QString, plate);
    MainWindowFixture f;
    f.OnPage<QLineEdit>(0, "1000")->setText(QStringLiteral("1000"));
    f.OnPage<QLineEdit>(0, "1001")->setText(QStringLiteral("1000"));
    f.OnPage<QLineEdit>(0, "1002")->setText(QStringLiteral("1"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1004")->text(), QStringLiteral("7.85"));
    QTest::keyClick(f.Main<QLineEdit>("1016"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f.Main<QLineEdit>("1016"), Qt::Key_Delete);
    QTest::keyClicks(f.Main<QLineEdit>("1016"), density);
    QCOMPARE(f.Main<QLineEdit>("1016")->text(), density);
    QCOMPARE(f.OnPage<QLineEdit>(0, "1004")->text(), plate);
  }

  void emptyDensityZeroesEveryDensityDependentWeight() {
    MainWindowFixture f;
    FillAllCalculators(f);
    f.Main<QLineEdit>("1016")->clear();
    QCOMPARE(f.dlg().Settings().density, 0.0);
    const QStringList now = Results(f);
    for (int i = 0; i < now.size(); ++i) {
      if (Calculators()[i].followsDensity) {
        QCOMPARE(now[i], QStringLiteral("0.00"));
      } else {
        QVERIFY(now[i].toDouble() > 0);
      }
    }
  }

  void decimalPlacesReformatTheStripFirst() {
    MainWindowFixture f;
    f.Main<QLineEdit>("1047")->setText(QStringLiteral("1/3"));
    f.OnPage<QLineEdit>(0, "1011")->setText(QStringLiteral("1000"));
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("0.33"));
    ChooseByUser(f.Main<QComboBox>("1015"), 3);
    QCOMPARE(f.dlg().Settings().decimals, 3);
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("0.333"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1012")->text(), QStringLiteral("0.889"));
  }

  void resetRestoresThePagesButKeepsTheStrip() {
    MainWindowFixture f;
    FillAllCalculators(f);
    f.Main<QLineEdit>("1047")->setText(QStringLiteral("1+2"));
    QTest::mouseClick(f.Main<QPushButton>("1102"), Qt::LeftButton);
    for (const Calculator& c : Calculators()) {
      QCOMPARE(f.OnPage<QLineEdit>(c.page, c.result)->text(), QStringLiteral("0.00"));
    }
    QVERIFY(f.OnPage<QLineEdit>(0, "1000")->text().isEmpty());
    QVERIFY(f.OnPage<QLineEdit>(2, "1151")->text().isEmpty());
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("1+2"));
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("3.00"));
  }

  void unitSystemIsStoredAndTidiedAway() {
    MainWindowFixture f;
    auto* units = f.Main<QComboBox>("1010");
    ChooseByUser(units, 1);
    QCOMPARE(f.dlg().Settings().unitSystem, 1);
    QVERIFY(f.ConfigText().contains(QStringLiteral("[Setting]")));
    QVERIFY2(f.ConfigText().contains(QRegularExpression(QStringLiteral("(^|\\n)danwei=1\\r?\\n"))),
             qPrintable(f.ConfigText()));
    ChooseByUser(units, 2);
    QVERIFY(f.ConfigText().contains(QRegularExpression(QStringLiteral("(^|\\n)danwei=2\\r?\\n"))));
    ChooseByUser(units, 0);
    QCOMPARE(f.dlg().Settings().unitSystem, 0);
    QVERIFY2(!f.ConfigExists(), qPrintable(f.ConfigText()));
  }

  // A choice that cannot be stored is answered, and holds for the session all the same.
  void aUnitSystemThatCannotBeStoredIsReported() {
    MainWindowFixture f("[Setting]\r\ndanwei=1\r\n");
    QFile::setPermissions(QString::fromStdString(f.configPath().string()), QFile::ReadOwner);
    ModalSeen seen = RunAnsweringModals([&] { ChooseByUser(f.Main<QComboBox>("1010"), 2); });
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.title, QStringLiteral("提示"));
    QCOMPARE(seen.text, QStringLiteral("无法保存到配置文件：") + QString::fromStdString(f.configPath().string()));
    QCOMPARE(f.dlg().Settings().unitSystem, 2);
    QVERIFY(f.ConfigText().contains(QStringLiteral("danwei=1")));
  }

  void otherSettingsKeepTheSectionAlive() {
    MainWindowFixture f("[Setting]\r\ndanwei=2\r\nhidetubiao=1\r\n");
    QCOMPARE(f.Main<QComboBox>("1010")->currentIndex(), 2);
    ChooseByUser(f.Main<QComboBox>("1010"), 0);
    QVERIFY(!f.ConfigText().contains(QStringLiteral("danwei")));
    QVERIFY(f.ConfigText().contains(QStringLiteral("[Setting]")));
    QVERIFY(f.ConfigText().contains(QStringLiteral("hidetubiao=1")));
  }

  void storedUnitSystemIsUsedFromTheStart() {
    MainWindowFixture f("[Setting]\r\ndanwei=1\r\n");
    QCOMPARE(f.Main<QComboBox>("1010")->currentIndex(), 1);
    QCOMPARE(f.dlg().Settings().unitSystem, 1);
    f.OnPage<QLineEdit>(0, "1000")->setText(QStringLiteral("1"));
    f.OnPage<QLineEdit>(0, "1001")->setText(QStringLiteral("1"));
    f.OnPage<QLineEdit>(0, "1002")->setText(QStringLiteral("1"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1004")->text(), QStringLiteral("7.85"));
    f.OnPage<QLineEdit>(2, "1136")->setText(QStringLiteral("2"));
    QCOMPARE(f.OnPage<QLineEdit>(2, "1137")->text(), QStringLiteral("0.87"));
  }

  void storedUnitSystemOutsideTheListFallsBackToKgMm() {
    for (const char* value : {"7", "-1", "abc"}) {
      MainWindowFixture f(QByteArray("[Setting]\r\ndanwei=") + value + "\r\n");
      QCOMPARE(f.Main<QComboBox>("1010")->currentIndex(), 0);
      QCOMPARE(f.dlg().Settings().unitSystem, 0);
      f.OnPage<QLineEdit>(0, "1000")->setText(QStringLiteral("1000"));
      f.OnPage<QLineEdit>(0, "1001")->setText(QStringLiteral("1000"));
      f.OnPage<QLineEdit>(0, "1002")->setText(QStringLiteral("1"));
      QCOMPARE(f.OnPage<QLineEdit>(0, "1004")->text(), QStringLiteral("7.85"));
    }
  }

  void customRowsAreHandedToThePages() {
    // [角钢] 型号1=L99 单重1=2.5, in GBK as the file holds it.
    MainWindowFixture f("[\xbd\xc7\xb8\xd6]\r\n\xd0\xcd\xba\xc5" "1=L99\r\n\xb5\xa5\xd6\xd8" "1=2.5\r\n");
    QCOMPARE(f.dlg().CustomRows()[0].size(), std::size_t{1});
    QCOMPARE(f.dlg().CustomRows()[0][0].model, std::string("L99"));
    auto* angles = f.OnPage<QComboBox>(0, "1010");
    QCOMPARE(angles->itemText(angles->count() - 1), QStringLiteral("L99"));
  }

  void escapeDoesNotClose() {
    MainWindowFixture f;
    QTest::keyClick(&f.dlg(), Qt::Key_Escape);
    QTest::keyClick(f.OnPage<QLineEdit>(0, "1000"), Qt::Key_Escape);
    QTest::keyClick(f.Main<QLineEdit>("1047"), Qt::Key_Escape);
    QVERIFY(f.dlg().isVisible());
  }

  // Enter presses "关于" wherever the focus is, even on another button, and the window stays.
  void enterOpensTheAboutBox_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("id");
    QTest::newRow("page field") << 0 << "1000";
    QTest::newRow("page two field") << 1 << "1069";
    QTest::newRow("page button") << 0 << "1089";
    QTest::newRow("strip expression") << -1 << "1047";
    QTest::newRow("density") << -1 << "1016";
    QTest::newRow("reset button") << -1 << "1102";
  }

  void enterOpensTheAboutBox() {
    QFETCH(int, page);
    QFETCH(QString, id);
    MainWindowFixture f;
    f.Main<QTabWidget>("1125")->setCurrentIndex(std::max(page, 0));
    const QByteArray name = id.toLatin1();
    QWidget* target = page < 0 ? f.Main<QWidget>(name.constData()) : f.OnPage<QWidget>(page, name.constData());
    QVERIFY(target != nullptr);
    target->setFocus();
    f.OnPage<QLineEdit>(0, "1000")->setText(QStringLiteral("1"));
    f.Main<QLineEdit>("1047")->setText(QStringLiteral("5"));

    QString title;
    CloseNextModal(&title);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(title, QStringLiteral("Zelvik(2013.11.17)"));
    QVERIFY(f.dlg().isVisible());
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("5"));
    QVERIFY(f.OnPage<QLineEdit>(0, "1000")->text() == QStringLiteral("1"));
  }

  void aboutIsTheOnlyDefaultButton() {
    MainWindowFixture f;
    for (QPushButton* button : f.dlg().findChildren<QPushButton*>()) {
      if (button->window() != &f.dlg()) continue;
      const bool about = button == f.Main<QPushButton>("1083");
      QCOMPARE(button->isDefault(), about);
      if (!about) QVERIFY2(!button->autoDefault(), qPrintable(button->objectName()));
    }
  }

  void adAreaCollapsesOnceAndToggles() {
    MainWindowFixture f;
    CZelvikDlg& dlg = f.dlg();
    QVERIFY(dlg.adTimer()->isActive());
    QVERIFY(dlg.adTimer()->isSingleShot());
    QCOMPARE(dlg.adTimer()->interval(), 10000);
    const QSize full = dlg.size();
    QCOMPARE(dlg.fullSize(), full);

    // The collapsed window ends at the line under the command row.
    auto* line = f.Main<QFrame>("1124");
    QCOMPARE(dlg.collapsedHeight(), line->geometry().bottom() + 1);
    for (const char* id : {"1016", "1039", "1102", "1103", "1083", "32771", "1044"}) {
      QVERIFY(f.Main<QWidget>(id)->geometry().bottom() < line->geometry().top());
    }

    dlg.OnAdTimer();
    QVERIFY(!dlg.adTimer()->isActive());
    auto* arrow = f.Main<QPushButton>("1044");
    QVERIFY(arrow->isEnabled());
    QCOMPARE(arrow->text(), QStringLiteral("↓"));
    QCOMPARE(dlg.size(), QSize(full.width(), dlg.collapsedHeight()));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

    QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(arrow->text(), QStringLiteral("↑"));
    QCOMPARE(dlg.size(), full);
    QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(arrow->text(), QStringLiteral("↓"));
    QCOMPARE(dlg.size().height(), dlg.collapsedHeight());
  }

  void toolMenuEnablesTheToolsThatExist() {
    MainWindowFixture f;
    QCursor::setPos(300, 400);
    QTest::mouseClick(f.Main<QPushButton>("1103"), Qt::LeftButton);
    QMenu* menu = f.dlg().toolMenu();
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QCOMPARE(menu->title(), QStringLiteral("实用小工具"));
    QCOMPARE(menu->pos(), QPoint(300, 400 - 115));
    const QStringList expected = {"规格…", "材料密度", "单位换算", "焊管尺寸", "轴承查询",
                                  "定时任务", "定义材料", "材料清单", "下料优化"};
    const ToolKind kinds[] = {ToolKind::kDensity, ToolKind::kUnitConvert, ToolKind::kWeldPipe,
                              ToolKind::kBearing, ToolKind::kTasks,       ToolKind::kCustom,
                              ToolKind::kList,    ToolKind::kCutting};
    QStringList texts{menu->actions().first()->text()};
    for (int i = 1; i < menu->actions().size(); ++i) {
      QAction* action = menu->actions()[i];
      texts << action->text();
      const std::unique_ptr<CToolWindow> window(CreateToolWindow(kinds[i - 1], &f.dlg()));
      QCOMPARE(action->isEnabled(), window != nullptr);
    }
    QCOMPARE(texts, expected);
    menu->close();
  }

  void tooltips() {
    MainWindowFixture f;
    const struct {
      const char* id;
      const char* tip;
    } kTips[] = {{"1039", "窗口置顶"},
                 {"1044", "显示隐藏广告区"},
                 {"1101", "点击复制右侧结果"},
                 {"1102", "重置清零"},
                 {"1103", "更多工具和设置项"},
                 {"1107", "勾选后附加窗体附着于主窗体"},
                 {"1118", "点击调用系统计算器"},
                 {"1119", "勾选后重量值自动进入计算器第一格"},
                 {"1164", "表达式临时计算结果"}};
    for (const auto& t : kTips) QCOMPARE(f.Main<QWidget>(t.id)->toolTip(), QString::fromUtf8(t.tip));
    QVERIFY(f.Main<QWidget>("1083")->toolTip().contains(QStringLiteral("使用说明")));
  }

  void topmostButtonToggles() {
    MainWindowFixture f;
    auto* button = f.Main<QPushButton>("1039");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("不置顶"));
    QVERIFY(f.dlg().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(f.dlg().isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("置 顶"));
    QVERIFY(!f.dlg().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }

  void attachBoxFlipsTheMember() {
    MainWindowFixture f;
    QVERIFY(f.dlg().attach());
    f.Main<QCheckBox>("1107")->click();
    QVERIFY(!f.dlg().attach());
    f.Main<QCheckBox>("1107")->click();
    QVERIFY(f.dlg().attach());
  }

  void tabsShowTheirPage() {
    MainWindowFixture f;
    auto* tabs = f.Main<QTabWidget>("1125");
    for (int i : {1, 2, 0}) {
      tabs->setCurrentIndex(i);
      for (int p = 0; p < 3; ++p) QCOMPARE(f.dlg().page(p)->isVisible(), p == i);
    }
  }

  void exitReleasesTheMarker_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("退出") << false;
    QTest::newRow("close box") << true;
  }

  void exitReleasesTheMarker() {
    QFETCH(bool, byCloseBox);
    QTemporaryDir runtime;
    qputenv("ZELVIK_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    InstanceMarker marker;
    QVERIFY(!marker.anotherRunning());
    MainWindowFixture f({}, &marker);
    QVERIFY(SingleInstance("renwu").anotherRunning());
    if (byCloseBox) {
      f.dlg().close();
    } else {
      QTest::mouseClick(f.Main<QPushButton>("32771"), Qt::LeftButton);
    }
    QVERIFY(!f.dlg().isVisible());
    QVERIFY(!SingleInstance("renwu").anotherRunning());
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
