// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its controls, and a user guide whose every example is what the
// evaluator really gives.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "app/about_dlg.h"
#include "app/about_texts.h"
#include "expr/eval_expression.h"
#include "support/main_window_support.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

class MainWindowAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void aboutBoxControls() {
    CAboutDlg about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("Zelvik(2013.11.17)"));
    for (const char* id : {"1002", "1005"}) {
      auto* text = about.findChild<QPlainTextEdit*>(QString::fromLatin1(id));
      QVERIFY(text != nullptr);
      QVERIFY(text->isReadOnly());
      QVERIFY(!text->toPlainText().isEmpty());
    }
    QStringList labels;
    for (QLabel* label : about.findChildren<QLabel*>()) labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("软件使用说明")));
    QVERIFY(labels.contains(QStringLiteral("更新日志")));

    auto* update = about.findChild<QPushButton*>(QStringLiteral("1089"));
    QCOMPARE(update->text(), QStringLiteral("检查\n更新"));
    QVERIFY(update->isEnabled());
    auto* shop = about.findChild<QPushButton*>(QStringLiteral("1090"));
    QVERIFY(shop != nullptr);
    QVERIFY(shop->isEnabled());
    QVERIFY(!shop->toolTip().isEmpty());

    about.show();
    QPushButton* close = nullptr;
    for (QPushButton* b : about.findChildren<QPushButton*>()) {
      if (b->text() == QStringLiteral("关闭")) close = b;
    }
    QVERIFY(close != nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }

  void guideNamesEveryFunctionAndOperator() {
    const QString guide = UserGuideText();
    const char* const kFunctions[] = {"abs", "acos", "asin", "atan", "acot", "cos", "cosh", "cot", "exp", "floor",
                                      "mod", "ln",   "log",  "pow",  "sin",  "sinh", "sqrt", "tan", "tanh"};
    for (const char* name : kFunctions) {
      const QRegularExpression example(QStringLiteral("(^|[^a-z])%1\\(").arg(QLatin1String(name)));
      QVERIFY2(guide.contains(example), name);
    }
    for (const char* symbol : {"+", "-", "*", "/", "x", "X", "×", "\\", "÷", "（", "）", "[", "]", "{", "}", "度"}) {
      QVERIFY2(guide.contains(QString::fromUtf8(symbol)), symbol);
    }
  }

  // Every "expression = value" of the guide holds to the digits the guide shows.
  void guideExamplesAreTrue() {
    const QRegularExpression example(QStringLiteral("([^\\s：，；、]+) = (-?[0-9]+(?:\\.([0-9]+))?)"));
    int checked = 0;
    for (auto it = example.globalMatch(UserGuideText()); it.hasNext(); ++checked) {
      const QRegularExpressionMatch m = it.next();
      const double shown = m.captured(2).toDouble();
      const double tolerance = 0.5 * std::pow(10.0, -m.capturedLength(3)) + 1e-9;
      const double value = EvalExpression(m.captured(1).toStdString());
      QVERIFY2(std::abs(value - shown) <= tolerance,
               qPrintable(QStringLiteral("%1 gives %2").arg(m.captured(0)).arg(value, 0, 'g', 12)));
    }
    QVERIFY(checked >= 30);
  }

  void guideCounterExamplesGiveZero() {
    const QRegularExpression list(QStringLiteral("([^：；\\n]+?)\\s*都无法计算"));
    const QRegularExpressionMatch m = list.match(UserGuideText());
    QVERIFY(m.hasMatch());
    const QStringList texts = m.captured(1).split(QStringLiteral("、"));
    QVERIFY(texts.size() >= 3);
    for (const QString& text : texts) QCOMPARE(EvalExpression(text.trimmed().toStdString()), 0.0);
  }

  void updateLogEndsWithThisVersion() {
    const QRegularExpression heading(QStringLiteral("(?:^|\\n)(V[0-9.]+)\\n"));
    QString last;
    for (auto it = heading.globalMatch(UpdateLogText()); it.hasNext();) last = it.next().captured(1);
    QCOMPARE(last, QStringLiteral("V4.2"));
  }

  // The window manager's menu has no room for "关于Zelvik"; the window's context menu has.
  void contextMenuOffersTheAboutBox() {
    MainWindowFixture f;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), f.dlg().mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&f.dlg(), &event);
    QMenu* menu = nullptr;
    QVERIFY(QTest::qWaitFor([&] {
      for (QMenu* m : f.dlg().findChildren<QMenu*>()) {
        if (m->isVisible()) menu = m;
      }
      return menu != nullptr;
    }));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("关于Zelvik"));
    QString title;
    CloseNextModal(&title);
    menu->actions().first()->trigger();
    QCOMPARE(title, QStringLiteral("Zelvik(2013.11.17)"));
    menu->close();
  }
};

QTEST_MAIN(MainWindowAboutTest)
#include "test_main_window_about.moc"
