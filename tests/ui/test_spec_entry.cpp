// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+L and "规格…": the quick entry shows the calculator a spec string names, one case per
// kind of control it sets (a size list, a type and size, dimensions), and says what it
// cannot read.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/spec_entry_dlg.h"
#include "support/main_window_support.h"

using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

CSpecEntryDlg* Entry(MainWindowFixture& f) { return f.dlg().findChild<CSpecEntryDlg*>(QStringLiteral("specEntry")); }

// Ctrl+L on the main window, the text typed (keys of ASCII: "x" for "×"), Enter.
void Type(MainWindowFixture& f, const QString& text) {
  f.dlg().activateWindow();
  QTest::keyClick(&f.dlg(), Qt::Key_L, Qt::ControlModifier);
  CSpecEntryDlg* entry = Entry(f);
  QVERIFY(entry->isVisible());
  auto* field = entry->findChild<QLineEdit*>(QStringLiteral("specText"));
  QVERIFY(QTest::qWaitFor([field] { return QApplication::focusWidget() == field; }));
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

// The focus is where the spec left it once the main window is active again.
bool FocusOn(QWidget* widget) {
  return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; });
}

}  // namespace

class SpecEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void firstInTheToolMenu() {
    MainWindowFixture f;
    QAction* command = f.dlg().toolMenu()->actions().first();
    QCOMPARE(command->text(), QStringLiteral("规格…"));
    QCOMPARE(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    command->trigger();
    QVERIFY(Entry(f)->isVisible());
  }

  void sizeListChosen() {
    MainWindowFixture f;
    f.dlg().findChild<QTabWidget*>()->setCurrentIndex(2);
    Type(f, QStringLiteral("L50x5"));
    QVERIFY(!Entry(f)->isVisible());
    QCOMPARE(f.dlg().findChild<QTabWidget*>()->currentIndex(), 0);
    QCOMPARE(f.OnPage<QComboBox>(0, "1010")->currentText(), QStringLiteral("∠50×50×5"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1017")->text(), QStringLiteral("3.770"));
    QVERIFY(FocusOn(f.OnPage<QLineEdit>(0, "1011")));
  }

  void typeAndSizeChosen() {
    MainWindowFixture f;
    Type(f, QStringLiteral("HN400x200"));
    QCOMPARE(f.dlg().findChild<QTabWidget*>()->currentIndex(), 1);
    QCOMPARE(f.OnPage<QComboBox>(1, "1045")->currentText(), QStringLiteral("HN窄翼缘"));
    QCOMPARE(f.OnPage<QComboBox>(1, "1046")->currentText(), QStringLiteral("400×200"));
    QCOMPARE(f.OnPage<QLineEdit>(1, "1054")->text(), QStringLiteral("65.400"));
    QVERIFY(FocusOn(f.OnPage<QLineEdit>(1, "1055")));
  }

  void dimensionsFilled() {
    MainWindowFixture f;
    Type(f, QStringLiteral("D108x4"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1018")->text(), QStringLiteral("108"));
    QVERIFY(f.OnPage<QRadioButton>(0, "1021")->isChecked());
    QCOMPARE(f.OnPage<QLineEdit>(0, "1025")->text(), QStringLiteral("4"));
    QVERIFY(FocusOn(f.OnPage<QLineEdit>(0, "1022")));
    QTest::keyClicks(f.OnPage<QLineEdit>(0, "1022"), QStringLiteral("1000"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1027")->text(), QStringLiteral("10.26"));
    Type(f, QStringLiteral("-10*1500*6000"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1000")->text(), QStringLiteral("6000"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1001")->text(), QStringLiteral("1500"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1002")->text(), QStringLiteral("10"));
    QCOMPARE(f.OnPage<QLineEdit>(0, "1004")->text(), QStringLiteral("706.50"));
  }

  void unreadableTextStaysWithItsCandidates() {
    MainWindowFixture f;
    Type(f, QStringLiteral("L50x7"));
    CSpecEntryDlg* entry = Entry(f);
    QVERIFY(entry->isVisible());
    QCOMPARE(entry->findChild<QLabel*>(QStringLiteral("specReading"))->text(), QStringLiteral("没有这个规格，相近的有："));
    auto* candidates = entry->findChild<QListWidget*>(QStringLiteral("specCandidates"));
    QCOMPARE(candidates->item(0)->text(), QStringLiteral("∠50×50×6"));
    QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {}, candidates->visualItemRect(candidates->item(0)).center());
    QVERIFY(!entry->isVisible());
    QCOMPARE(f.OnPage<QComboBox>(0, "1010")->currentText(), QStringLiteral("∠50×50×6"));
  }
};

QTEST_MAIN(SpecEntryTest)
#include "test_spec_entry.moc"
