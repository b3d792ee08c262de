// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator strip: its own expression, collecting the "重量" buttons, the clipboard,
// the value preview and the desktop calculator.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/calculator_strip.h"
#include "support/main_window_support.h"

using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

// Plate one at 1000 × 1000 × 1 mm weighs 7.85 kg.
void ShowPlate(MainWindowFixture& f) {
  f.OnPage<QLineEdit>(0, "1000")->setText(QStringLiteral("1000"));
  f.OnPage<QLineEdit>(0, "1001")->setText(QStringLiteral("1000"));
  f.OnPage<QLineEdit>(0, "1002")->setText(QStringLiteral("1"));
}

}  // namespace

class MainWindowStripTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }
  void init() { QGuiApplication::clipboard()->clear(); }

  void collectedWeights_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("collect");
    QTest::addColumn<bool>("subtract");
    QTest::addColumn<QString>("pushed");
    QTest::addColumn<QString>("newExpression");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty strip") << "" << true << false << "7.85" << "7.85" << "7.85";
    QTest::newRow("appended, trailing zeros dropped") << "7.85" << true << false << "12.00" << "7.85+12" << "19.85";
    QTest::newRow("subtracted") << "7.85" << true << true << "12.00" << "7.85-12" << "-4.15";
    QTest::newRow("a 0 is replaced") << "0" << true << false << "5.33" << "5.33" << "5.33";
    QTest::newRow("00 is not 0") << "00" << true << false << "5.33" << "00+5.33" << "5.33";
    QTest::newRow("collect off") << "1+1" << false << false << "5.33" << "1+1" << "2.00";
    QTest::newRow("error text pushes 0") << "" << true << false << "壁厚输入错误" << "0" << "0.00";
    QTest::newRow("whole tons") << "2" << true << false << "3" << "2+3" << "5.00";
  }

  void collectedWeights() {
    QFETCH(QString, expression);
    QFETCH(bool, collect);
    QFETCH(bool, subtract);
    QFETCH(QString, pushed);
    QFETCH(QString, newExpression);
    QFETCH(QString, result);
    MainWindowFixture f;
    f.Main<QLineEdit>("1047")->setText(expression);
    if (!collect) f.Main<QCheckBox>("1119")->click();
    if (subtract) f.Main<QRadioButton>("1049")->click();
    f.dlg().CollectWeight(pushed);
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), newExpression);
    QCOMPARE(f.dlg().strip().expression(), newExpression);
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), result);
  }

  // The "重量" buttons of the pages end to end: clipboard first, then the strip.
  void weightButtonsFillTheStrip() {
    MainWindowFixture f;
    ShowPlate(f);
    f.OnPage<QLineEdit>(0, "1005")->setText(QStringLiteral("1000000"));
    f.OnPage<QLineEdit>(0, "1006")->setText(QStringLiteral("2"));
    f.OnPage<QLineEdit>(0, "1011")->setText(QStringLiteral("6000"));

    QTest::mouseClick(f.OnPage<QPushButton>(0, "1089"), Qt::LeftButton);
    QCOMPARE(Clipboard(), QStringLiteral("7.85"));
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("7.85"));
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("7.85"));

    QTest::mouseClick(f.OnPage<QPushButton>(0, "1090"), Qt::LeftButton);
    QCOMPARE(Clipboard(), QStringLiteral("15.70"));
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("7.85+15.7"));
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("23.55"));

    // The sign is read from the radio buttons at the moment of the click.
    QTest::mouseClick(f.Main<QRadioButton>("1049"), Qt::LeftButton);
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1091"), Qt::LeftButton);
    QCOMPARE(Clipboard(), QStringLiteral("5.33"));
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("7.85+15.7-5.33"));
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("18.22"));

    // Page three's buttons reuse the strip's identifiers; they still push their own result.
    f.OnPage<QLineEdit>(2, "1136")->setText(QStringLiteral("2000"));
    QTest::mouseClick(f.Main<QRadioButton>("1048"), Qt::LeftButton);
    QTest::mouseClick(f.OnPage<QPushButton>(2, "1101"), Qt::LeftButton);
    QCOMPARE(Clipboard(), QStringLiteral("0.87"));
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("7.85+15.7-5.33+0.87"));
  }

  // The sign radios are a pair of their own: they leave the pages' mode radios alone.
  void signRadiosAreExclusiveAmongThemselves() {
    MainWindowFixture f;
    auto* plus = f.Main<QRadioButton>("1048");
    auto* minus = f.Main<QRadioButton>("1049");
    auto* innerMode = f.OnPage<QRadioButton>(0, "1019");
    QVERIFY(innerMode->isChecked());
    for (int i = 0; i < 2; ++i) {
      QTest::mouseClick(minus, Qt::LeftButton);
      QVERIFY(minus->isChecked() && !plus->isChecked());
      QTest::mouseClick(plus, Qt::LeftButton);
      QVERIFY(plus->isChecked() && !minus->isChecked());
    }
    QVERIFY(innerMode->isChecked());
  }

  void collectOffOnlyCopies() {
    MainWindowFixture f;
    ShowPlate(f);
    QTest::mouseClick(f.Main<QCheckBox>("1119"), Qt::LeftButton);
    QVERIFY(!f.dlg().strip().collect());
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1089"), Qt::LeftButton);
    QCOMPARE(Clipboard(), QStringLiteral("7.85"));
    QVERIFY(f.Main<QLineEdit>("1047")->text().isEmpty());
    QVERIFY(f.Main<QLineEdit>("1053")->text().isEmpty());

    QTest::mouseClick(f.Main<QCheckBox>("1119"), Qt::LeftButton);
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1089"), Qt::LeftButton);
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("7.85"));
  }

  void typedExpressions_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("atTwo");
    QTest::addColumn<QString>("atZero");
    QTest::newRow("implied multiplication") << "2x(3+4)" << "14.00" << "14";
    QTest::newRow("full-width brackets") << "（1+2）×3" << "9.00" << "9";
    QTest::newRow("function in degrees") << "sin(30)" << "0.50" << "0";
    QTest::newRow("invalid") << "2*-3" << "0.00" << "0";
    QTest::newRow("negative") << "1-2.5" << "-1.50" << "-2";
    QTest::newRow("beyond the evaluator's capacity") << QString("1+").repeated(59) + "1" << "0.00" << "0";
  }

  void typedExpressions() {
    QFETCH(QString, typed);
    QFETCH(QString, atTwo);
    QFETCH(QString, atZero);
    MainWindowFixture f;
    auto* expression = f.Main<QLineEdit>("1047");
    expression->setFocus();
    // Typed where the test keyboard can, set where it cannot (full-width characters).
    bool ascii = true;
    for (QChar c : typed) ascii = ascii && c.unicode() < 128;
    if (ascii) {
      QTest::keyClicks(expression, typed);
    } else {
      expression->setText(typed);
    }
    QCOMPARE(expression->text(), typed);
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), atTwo);
    ChooseByUser(f.Main<QComboBox>("1015"), 0);
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), atZero);
  }

  void equalsCopiesTheResultAsShown() {
    MainWindowFixture f;
    f.Main<QLineEdit>("1047")->setText(QStringLiteral("10/4"));
    ChooseByUser(f.Main<QComboBox>("1015"), 3);
    QTest::mouseClick(f.Main<QPushButton>("1101"), Qt::LeftButton);
    QCOMPARE(Clipboard(), QStringLiteral("2.500"));
  }

  // The strip keeps growing with collected weights; past the evaluator's capacity it shows 0.
  void longCollectionFailsSafely() {
    MainWindowFixture f;
    for (int i = 0; i < 30; ++i) f.dlg().CollectWeight(QStringLiteral("123.45"));
    QVERIFY(f.Main<QLineEdit>("1047")->text().size() > 99);
    QCOMPARE(f.Main<QLineEdit>("1053")->text(), QStringLiteral("0.00"));
  }

  void pagesShowTheirValueInThePreview() {
    MainWindowFixture f;
    f.OnPage<QLineEdit>(0, "1011")->setText(QStringLiteral("2*6000"));
    QCOMPARE(f.Main<QLabel>("1164")->text(), QStringLiteral("12000"));
    f.OnPage<QLineEdit>(0, "1011")->setText(QStringLiteral("1/8"));
    QCOMPARE(f.Main<QLabel>("1164")->text(), QStringLiteral("0.125"));
    f.OnPage<QLineEdit>(0, "1011")->clear();
    QCOMPARE(f.Main<QLabel>("1164")->text(), QStringLiteral("0"));
  }

  // A desktop calculator found on PATH is started; without one nothing happens.
  void calculatorButtonStartsTheDesktopCalculator() {
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("started"));
    QFile script(bin.filePath(QStringLiteral("galculator")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray oldPath = qgetenv("PATH");
    MainWindowFixture f;
    auto* button = f.Main<QAbstractButton>("1118");
    QCOMPARE(button->size(), QSize(18, 18));

    qputenv("PATH", QFile::encodeName(bin.path() + QStringLiteral("/missing")));
    QTest::mouseClick(button, Qt::LeftButton);
    qputenv("PATH", QFile::encodeName(bin.path()));
    QTest::mouseClick(button, Qt::LeftButton);
    qputenv("PATH", oldPath);
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
  }
};

QTEST_MAIN(MainWindowStripTest)
#include "test_main_window_strip.moc"
