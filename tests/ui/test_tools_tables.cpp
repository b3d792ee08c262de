// SPDX-License-Identifier: GPL-3.0-or-later
// The unit converter and the welded-pipe sizes as their user meets them, and the factory that
// gives the main window its reference tools.
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QToolTip>

#include "pages/drop_list.h"
#include "support/main_window_support.h"
#include "tools/bearing_dlg.h"
#include "tools/column_text.h"
#include "tools/density_dlg.h"
#include "tools/tool_windows.h"
#include "tools/unit_convert_dlg.h"
#include "tools/weld_pipe_dlg.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

QString Result(QWidget& dlg) { return dlg.findChild<QLineEdit*>(QStringLiteral("1001"))->text(); }

QComboBox* List(QWidget& dlg, const char* id) { return dlg.findChild<QComboBox*>(QString::fromLatin1(id)); }

// The tooltip a hover over the control brings up; empty when there is none.
QString TipOf(QWidget* control) {
  QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
  QCoreApplication::sendEvent(control, &hover);
  return hover.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Picks list items by their texts, as the user would.
void Pick(QWidget& dlg, const char* quantity, const char* from, const char* to) {
  for (const auto& [id, text] : {std::pair{"1010", quantity}, {"1033", from}, {"1015", to}}) {
    QComboBox* list = List(dlg, id);
    const int index = list->findText(QString::fromUtf8(text));
    QVERIFY2(index >= 0, text);
    ChooseByUser(list, index);
  }
}

}  // namespace

class ToolsTablesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void converterOpensOnOneMetre() {
    QWidget owner;
    CUnitConvertDlg dlg(&owner);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("常用单位换算"));
    QCOMPARE(List(dlg, "1010")->count(), 23);
    QCOMPARE(List(dlg, "1010")->currentText(), QStringLiteral("长度"));
    QCOMPARE(List(dlg, "1033")->count(), 15);
    QCOMPARE(List(dlg, "1033")->currentText(), QStringLiteral("米 (m)"));
    QCOMPARE(List(dlg, "1015")->currentText(), QStringLiteral("米 (m)"));
    QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("1000"))->text(), QStringLiteral("1"));
    QCOMPARE(Result(dlg), QStringLiteral("1"));
    QVERIFY(dlg.findChild<QLineEdit*>(QStringLiteral("1001"))->isReadOnly());
  }

  void converterFollowsListsAndKeystrokes() {
    QWidget owner;
    CUnitConvertDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    Pick(dlg, "长度", "英寸 (in)", "厘米 (cm)");
    QCOMPARE(Result(dlg), QStringLiteral("2.54"));
    auto* value = dlg.findChild<QLineEdit*>(QStringLiteral("1000"));
    value->selectAll();
    QStringList shown;
    for (const char* key : {"1", "2", "a", "b"}) {
      QTest::keyClicks(value, QString::fromLatin1(key));
      shown << Result(dlg);
    }
    QCOMPARE(shown, (QStringList{"2.54", "30.4800000000000004", "30.4800000000000004", "30.4800000000000004"}));
    Pick(dlg, "质量", "格令 (gr,gn)", "盎司 (oz)");
    QVERIFY(Result(dlg).startsWith(QStringLiteral("0.02742859")));  // 12 grains
    value->setText(QStringLiteral("1"));
    QVERIFY(Result(dlg).startsWith(QStringLiteral("0.0022857")));
    Pick(dlg, "速度", "节 (kn)", "米每秒 (m/s)");
    QCOMPARE(Result(dlg), QStringLiteral("0.514444"));
    value->setText(QStringLiteral("-1e3"));
    QCOMPARE(Result(dlg), QStringLiteral("-514.44399999999996"));  // "%.16f" shows the product

    // A new quantity puts both lists on their first unit: the value shows unchanged.
    ChooseByUser(List(dlg, "1010"), 4);
    QCOMPARE(List(dlg, "1033")->currentIndex(), 0);
    QCOMPARE(List(dlg, "1015")->currentIndex(), 0);
    QCOMPARE(List(dlg, "1015")->count(), 4);
    QCOMPARE(Result(dlg), QStringLiteral("-1000"));

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      QTest::keyClick(value, key);
      QVERIFY(dlg.isVisible());
    }
  }

  // A long unit label keeps its symbol in view; a long result shows its leading digits, and
  // whole as the tooltips do.
  void converterShowsSymbolsAndResultsFromTheirStart() {
    QWidget owner;
    CUnitConvertDlg dlg(&owner);
    Pick(dlg, "体积", "立方分米(升) (dm^3/L/l)", "立方米 (m^3)");
    auto* from = qobject_cast<CDropList*>(List(dlg, "1033"));
    QVERIFY(from->ShownText().endsWith(QStringLiteral("… (dm^3/L/l)")));
    QCOMPARE(TipOf(from), QStringLiteral("立方分米(升) (dm^3/L/l)"));
    QCOMPARE(TipOf(List(dlg, "1015")), QString());
    dlg.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("123456789.123"));
    auto* result = dlg.findChild<QLineEdit*>(QStringLiteral("1001"));
    QCOMPARE(result->text(), QStringLiteral("123456.7891229999950156"));
    QCOMPARE(result->cursorPosition(), 0);
    QCOMPARE(TipOf(result), result->text());
    dlg.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("1"));
    QCOMPARE(TipOf(result), QString());
  }

  void weldedPipesSideBySide() {
    QWidget owner;
    CWeldPipeDlg dlg(&owner);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("焊管尺寸"));
    QStringList captions;
    for (ColumnLabel* label : dlg.findChildren<ColumnLabel*>()) captions << label->text();
    QCOMPARE(captions, QStringList{QStringLiteral("       薄壁焊管                 厚壁焊管")});
    auto* thin = dlg.findChild<QListView*>(QStringLiteral("1116"));
    auto* thick = dlg.findChild<QListView*>(QStringLiteral("1117"));
    QCOMPARE(thin->model()->rowCount(), 14);
    QCOMPARE(thick->model()->rowCount(), 14);
    QCOMPARE(thin->model()->index(5, 0).data().toString(), QStringLiteral("1×3.25  →φ33.5×3.25"));
    QCOMPARE(thick->model()->index(13, 0).data().toString(), QStringLiteral("6×5.50 →φ165.0×5.50"));
    QVERIFY(thin->geometry().right() < thick->geometry().left());
  }

  void factoryMakesTheFourReferenceTools() {
    MainWindowFixture fixture;
    const std::pair<ToolKind, QString> kinds[] = {
        {ToolKind::kWeldPipe, QStringLiteral("焊管尺寸")},
        {ToolKind::kDensity, QStringLiteral("常用材料密度")},
        {ToolKind::kUnitConvert, QStringLiteral("常用单位换算")},
        {ToolKind::kBearing, QStringLiteral("轴承查询")},
    };
    for (const auto& [kind, title] : kinds) {
      std::unique_ptr<CToolWindow> window(CreateToolWindow(kind, &fixture.dlg()));
      QVERIFY(window != nullptr);
      QCOMPARE(window->windowTitle(), title);
      QVERIFY(!window->isVisible());
      QCOMPARE(window->parentWidget(), &fixture.dlg());
      // A utility window with a close box only: no minimise, no maximise.
      QCOMPARE(window->windowType(), Qt::Tool);
      QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
      QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }
  }
};

QTEST_MAIN(ToolsTablesTest)
#include "test_tools_tables.moc"
