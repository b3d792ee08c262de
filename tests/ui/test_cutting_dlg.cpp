// SPDX-License-Identifier: GPL-3.0-or-later
// The cutting window's wiring: a job from the list computed on the worker thread, the plan
// drawn and summed up, stop and the time limit, copy, paste, the errors, the PDF, and its
// place in the tool menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include "cutting/cut_runner.h"
#include "cutting/cutting_dlg.h"
#include "cutting/entry_table.h"
#include "support/main_window_support.h"
#include "tools/tool_windows.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

constexpr int kRunMs = 20000;  // generous: the sanitiser builds are slow

CuttingJob AngleJob() {
  return {QStringLiteral("L50x5"), 7.85, {{2350, 14, QStringLiteral("立柱")}, {1780, 9, {}}, {960, 22, {}}}};
}

// A priced job with many lengths that the optimiser does not prove optimal within a second.
QList<QStringList> HardPieces() {
  std::mt19937 rng(20240501);
  std::uniform_int_distribution<int> tenths(3000, 49000), count(1, 4);
  QList<QStringList> rows;
  for (int i = 0; i < 150; ++i) {
    rows << QStringList{QString::number(tenths(rng) / 10.0), QString::number(count(rng)), QString()};
  }
  return rows;
}

struct Window {
  QWidget owner;
  CCuttingDlg dlg{&owner, nullptr};

  template <class W>
  W* C(const char* name) const {
    return dlg.findChild<W*>(QString::fromLatin1(name));
  }
  QString Status() const { return C<QLabel>("status")->text(); }
  QString Summary() const { return C<QLabel>("summary")->text(); }
  void SetStocks(const QList<QStringList>& rows) { C<CEntryTable>("stocks")->SetRows(rows); }
  bool Finish() { return QTest::qWaitFor([this] { return !dlg.computing(); }, kRunMs); }
};

}  // namespace

class CuttingDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void jobComputesOnTheWorkerThreadAndIsDrawn() {
    Window w;
    w.SetStocks({{"6000", "", ""}, {"9000", "", ""}});
    w.dlg.LoadJob(AngleJob());
    // LoadJob returns at once: the optimiser works on its own thread.
    QVERIFY(w.dlg.computing());
    QVERIFY(!w.C<QPushButton>("compute")->isEnabled());
    QVERIFY(w.C<QPushButton>("stop")->isEnabled());
    QVERIFY(w.Finish());
    QCOMPARE(w.C<CEntryTable>("pieces")->Rows().size(), 3);
    QCOMPARE(w.C<QLineEdit>("specText")->text(), QStringLiteral("L50x5"));
    QVERIFY(w.C<QLabel>("specReading")->text().contains(QStringLiteral("∠50×50×5　3.770 kg/m")));

    const print::CutSheet* sheet = w.dlg.sheet();
    QVERIFY(sheet != nullptr);
    QVERIFY(sheet->plan.optimal);
    QCOMPARE(sheet->spec, QStringLiteral("∠50×50×5（3.770 kg/m）"));
    QCOMPARE(w.dlg.patternCount(), static_cast<int>(sheet->plan.patterns.size()));
    QVERIFY(w.dlg.patternCount() > 1);
    QVERIFY(w.Summary().contains(QStringLiteral("需购原料：9000 mm × 8 根，共 72 m")));
    QVERIFY(w.Summary().contains(QStringLiteral("重量 271.44 kg")));
    QVERIFY(w.Summary().contains(QStringLiteral("最优")));
    QVERIFY(w.Status().startsWith(QStringLiteral("用时 ")));
    QCOMPARE(w.C<QProgressBar>("progress")->value(), w.C<QProgressBar>("progress")->maximum());
    // One row of the drawing per pattern: the view is as tall as they are.
    auto* view = w.C<QWidget>("planView");
    const int oneRow = view->minimumHeight() / w.dlg.patternCount();
    QVERIFY(oneRow > view->fontMetrics().height() * 3);
    for (const char* name : {"copyPlan", "printPlan", "pdfPlan"}) QVERIFY(w.C<QPushButton>(name)->isEnabled());
  }

  void stopAndTheTimeLimitShowTheBestPlanSoFar() {
    Window w;
    w.SetStocks({{"6000", "", "431"}, {"9000", "", "640"}, {"12000", "", "851"}});
    w.C<CEntryTable>("pieces")->SetRows(HardPieces());
    w.C<QDoubleSpinBox>("trim")->setValue(10);
    w.C<QDoubleSpinBox>("keepMin")->setValue(800);
    w.C<QDoubleSpinBox>("timeLimit")->setValue(60);
    QTest::mouseClick(w.C<QPushButton>("compute"), Qt::LeftButton);
    // The progress names the stage and the best plan against the bound as it improves.
    QTRY_VERIFY_WITH_TIMEOUT(w.Status().contains(QStringLiteral("当前最好")), kRunMs);
    QVERIFY(w.Status().contains(QStringLiteral("下界")));
    QVERIFY(w.dlg.computing());
    QTest::mouseClick(w.C<QPushButton>("stop"), Qt::LeftButton);
    QVERIFY(w.Finish());
    QVERIFY(w.dlg.sheet() != nullptr);
    QVERIFY(w.dlg.sheet()->plan.stopped);
    QVERIFY(w.Status().contains(QStringLiteral("已停止，显示目前最好的方案。")));
    QVERIFY(w.Summary().contains(QStringLiteral("与下界相差最多 ")));
    QVERIFY(w.Summary().contains(QStringLiteral("金额 ")));

    w.C<QDoubleSpinBox>("timeLimit")->setValue(0.1);
    w.dlg.Compute();
    QVERIFY(w.Finish());
    QVERIFY(w.dlg.sheet()->plan.stopped);
    QVERIFY(w.Status().contains(QStringLiteral("已到时限")));
  }

  // A job that comes while another is computed replaces it: only the new plan shows. A window
  // that goes while computing stops its thread and waits for it.
  void aNewJobReplacesTheRunningOne() {
    int plans = 0;
    {
      Window w;
      connect(w.dlg.findChild<CutRunner*>(), &CutRunner::finished, [&plans] { ++plans; });
      w.SetStocks({{"6000", "", "431"}, {"9000", "", "640"}, {"12000", "", "851"}});
      w.C<CEntryTable>("pieces")->SetRows(HardPieces());
      w.C<QDoubleSpinBox>("timeLimit")->setValue(60);
      w.dlg.Compute();
      QTRY_VERIFY_WITH_TIMEOUT(w.Status().contains(QStringLiteral("当前最好")), kRunMs);
      w.SetStocks({{"9000", "", ""}});
      w.C<QDoubleSpinBox>("timeLimit")->setValue(2);
      w.dlg.LoadJob(AngleJob());
      QVERIFY(w.Finish());
      QTest::qWait(50);
      QCOMPARE(plans, 1);
      QCOMPARE(w.dlg.sheet()->plan.totals.bars, 8);
      w.C<CEntryTable>("pieces")->SetRows(HardPieces());
      w.C<QDoubleSpinBox>("timeLimit")->setValue(60);
      w.dlg.Compute();
      QVERIFY(w.dlg.computing());
    }
    QCOMPARE(plans, 1);
  }

  void rowsAreAddedAndDeleted() {
    Window w;
    auto* stocks = w.C<CEntryTable>("stocks");
    QCOMPARE(stocks->Rows(), (QList<QStringList>{{"6000", "", ""}}));
    QCOMPARE(stocks->rowCount(), 2);  // the blank row to type in
    stocks->setCurrentCell(0, 1);
    QTest::mouseClick(w.C<QPushButton>("addStock"), Qt::LeftButton);
    QCOMPARE(stocks->currentRow(), 1);
    QCOMPARE(stocks->rowCount(), 3);
    stocks->item(1, 0)->setText(QStringLiteral("9000"));
    QCOMPARE(stocks->rowCount(), 3);
    stocks->setCurrentCell(0, 0);
    QTest::mouseClick(w.C<QPushButton>("deleteStock"), Qt::LeftButton);
    QCOMPARE(stocks->Rows(), (QList<QStringList>{{"9000", "", ""}}));
    QCOMPARE(stocks->rowCount(), 2);
    // One value pasted goes into the current cell.
    QApplication::clipboard()->setText(QStringLiteral("12\n"));
    stocks->setCurrentCell(0, 1);
    stocks->Paste();
    QCOMPARE(stocks->Rows(), (QList<QStringList>{{"9000", "12", ""}}));
  }

  void copyPutsThePlanAsTabSeparatedText() {
    Window w;
    w.SetStocks({{"9000", "", ""}});
    w.dlg.LoadJob(AngleJob());
    QVERIFY(w.Finish());
    QApplication::clipboard()->clear();
    QTest::mouseClick(w.C<QPushButton>("copyPlan"), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("下料优化\t∠50×50×5（3.770 kg/m）"));
    QVERIFY(lines.contains(QStringLiteral("9000\t8")));
    QVERIFY(lines.contains(QStringLiteral("下界\t最优")));
    const int header = static_cast<int>(lines.indexOf(QStringLiteral("方案\t原料(mm)\t根数\t下料(mm)\t余料(mm)\t余料处理")));
    QVERIFY(header > 0);
    QCOMPARE(lines.size() - header - 2, w.dlg.patternCount());  // the patterns, then an empty last line
    QVERIFY(lines[header + 1].startsWith(QStringLiteral("1\t9000\t")));
    QVERIFY(lines.join(QLatin1Char('\n')).contains(QStringLiteral("2350（立柱） + ")));

    // Ctrl+C on the drawing copies the plan; in the pieces table, its cells.
    QApplication::clipboard()->clear();
    w.dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.dlg));
    w.C<QWidget>("planView")->setFocus();
    QTest::keyClick(w.C<QWidget>("planView"), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("下料优化\t")));
    auto* pieces = w.C<CEntryTable>("pieces");
    pieces->setFocus();
    pieces->setCurrentCell(0, 0);
    pieces->item(0, 0)->setSelected(true);
    pieces->item(0, 1)->setSelected(true);
    QTest::keyClick(pieces, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2350\t14\n"));
  }

  void pasteReadsRowsCopiedFromASpreadsheet() {
    Window w;
    auto* pieces = w.C<CEntryTable>("pieces");
    pieces->SetRows({{"6000", "1", ""}});
    QApplication::clipboard()->setText(QStringLiteral("长度\t数量\t标签\r\n2350\t14\t立柱\r\n\"1780\"\t9\t\r\n"));
    QTest::mouseClick(w.C<QPushButton>("pastePieces"), Qt::LeftButton);
    const QList<QStringList> expected = {{"6000", "1", ""}, {"2350", "14", "立柱"}, {"1780", "9", ""}};
    QCOMPARE(pieces->Rows(), expected);
    QCOMPARE(pieces->rowCount(), 4);  // and the blank row to type in
    QApplication::clipboard()->setText(QStringLiteral("2350\t14\n长\t9\n"));
    QTest::mouseClick(w.C<QPushButton>("pastePieces"), Qt::LeftButton);
    QCOMPARE(pieces->Rows(), expected);
    QVERIFY(w.Status().contains(QStringLiteral("粘贴的第 2 行")));
  }

  void problemsAreSaidInChinese_data() {
    QTest::addColumn<QString>("spec");
    QTest::addColumn<QStringList>("piece");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("computed");  // found by the optimiser, not by the window
    QTest::newRow("piece too long") << "" << QStringList{"7000", "1"} << "6000" << "零件第 2 行比所有原料去掉端头后的长度都长。"
                                    << true;
    QTest::newRow("quantity") << "" << QStringList{"500", "2.5"} << "6000" << "零件第 2 行：数量应为 1 到 20000 的整数"
                              << false;
    QTest::newRow("length") << "" << QStringList{"0", "1"} << "6000" << "零件第 2 行：长度应为正数" << false;
    QTest::newRow("decimals") << "" << QStringList{"12.25", "1"} << "6000" << "零件第 2 行：长度最多一位小数" << false;
    QTest::newRow("stock") << "" << QStringList{"500", "1"} << "6m" << "原料第 1 行：长度应为正数" << false;
    QTest::newRow("spec") << "xyz" << QStringList{"500", "1"} << "6000" << "规格有误：看不懂这个规格" << false;
    QTest::newRow("not by length") << "-10×1500×6000" << QStringList{"500", "1"} << "6000"
                                   << "规格有误：-10×1500×6000 不是按长度下料的型材" << false;
  }

  void problemsAreSaidInChinese() {
    QFETCH(QString, spec);
    QFETCH(QStringList, piece);
    QFETCH(QString, stock);
    QFETCH(QString, message);
    QFETCH(bool, computed);
    Window w;
    w.C<QLineEdit>("specText")->setText(spec);
    w.C<CEntryTable>("pieces")->SetRows({{"1200", "3", ""}, piece});
    w.SetStocks({{stock, "", ""}});
    w.dlg.Compute();
    QCOMPARE(w.dlg.computing(), computed);
    QVERIFY(w.Finish());
    QCOMPARE(w.Status(), message);
    QVERIFY(w.dlg.sheet() == nullptr);
    QVERIFY(!w.C<QPushButton>("copyPlan")->isEnabled());
  }

  void pdfHoldsTheSheet() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    Window w;
    w.SetStocks({{"6000", "", ""}, {"9000", "", ""}});
    w.dlg.LoadJob(AngleJob());
    QVERIFY(w.Finish());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QCOMPARE(w.dlg.WritePdf(path), std::nullopt);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
    for (const char* expected : {"下料优化", "规格：∠50×50×5（3.770kg/m）", "锯缝：3mm", "需购原料：9000mm×8根，共72m", "最优",
                                 "方案1原料9000mm×", "立柱", "起点(mm)", "第1页/共1页"}) {
      QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
    }
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(w.dlg.WritePdf(dir.filePath(QStringLiteral("no/such/folder.pdf"))).has_value());
  }

  void toolMenuAndTheListOpenIt() {
    MainWindowFixture f;
    QVERIFY(f.dlg().toolCommand(ToolKind::kCutting)->isEnabled());
    QVERIFY(OpenCuttingJob(&f.dlg(), AngleJob()));
    auto* dlg = qobject_cast<CCuttingDlg*>(f.dlg().toolSlot(ToolKind::kCutting).window);
    QVERIFY(dlg != nullptr);
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("下料优化"));
    QVERIFY(QTest::qWaitFor([dlg] { return dlg->sheet() != nullptr; }, kRunMs));
    QVERIFY(!f.ConfigExists());  // the window keeps nothing in the settings
  }
};

QTEST_MAIN(CuttingDlgTest)
#include "test_cutting_dlg.moc"
