// SPDX-License-Identifier: GPL-3.0-or-later
// The cutting plan as words and as a drawing: the numbers' texts, what the bound says, the
// saw's table with its positions, labels shared by the bars of a pattern, and the drawing to
// one scale with kept offcuts told from scrap. The optimiser's rules are the core's business.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "cut_drawing.h"
#include "cut_texts.h"

using namespace zelvik;
using namespace zelvik::print;

Q_DECLARE_METATYPE(zelvik::cutting::CutPlan)

namespace {

cutting::Piece P(double length, int quantity, const char* label = "") { return {length, quantity, label}; }

CutSheet Planned(cutting::CutRequest request) {
  CutSheet sheet;
  sheet.plan = cutting::Optimise(request);
  sheet.request = std::move(request);
  return sheet;
}

// A plan as the bound line reads it: its totals and its bound only.
cutting::CutPlan Bounded(bool optimal, int bars, double stockMm, std::optional<double> cost, int boundBars,
                         double boundMm, std::optional<double> boundCost) {
  cutting::CutPlan plan;
  plan.optimal = optimal;
  plan.totals.bars = bars;
  plan.totals.stockMm = stockMm;
  plan.totals.cost = cost;
  plan.bound = {boundBars, boundMm, boundCost, true};
  return plan;
}

}  // namespace

class CutSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void numbersAsTheSheetWritesThem() {
    const struct {
      double mm;
      const char* mmText;
      const char* metres;
    } kRows[] = {{2350, "2350", "2.35"}, {2350.6, "2350.6", "2.351"}, {0.04, "0", "0"}, {-0.04, "0", "0"},
                 {100000, "100000", "100"}, {12.25, "12.3", "0.012"}, {1500.96, "1501", "1.501"}};
    for (const auto& r : kRows) {
      QCOMPARE(CutTexts::Mm(r.mm), QString::fromLatin1(r.mmText));
      QCOMPARE(CutTexts::Metres(r.mm), QString::fromLatin1(r.metres));
    }
  }

  void boundLineSaysOptimalOrHowFarAtMost_data() {
    QTest::addColumn<int>("stocks");
    QTest::addColumn<cutting::CutPlan>("plan");
    QTest::addColumn<QString>("line");
    QTest::newRow("optimal") << 2 << Bounded(true, 8, 72000, {}, 8, 72000, {}) << "最优";
    QTest::newRow("one length: bars") << 1 << Bounded(false, 13, 78000, {}, 12, 72000, {})
                                      << "与下界相差最多 1 根（8.3%）";
    QTest::newRow("several lengths: metres") << 2 << Bounded(false, 13, 99000, {}, 11, 97500, {})
                                             << "与下界相差最多 1.5 m（1.5%）";
    QTest::newRow("prices: money") << 3 << Bounded(false, 74, 888000, 62974, 74, 885000, 62662)
                                   << "与下界相差最多 312.00 元（0.5%）";
    QTest::newRow("one length, bars met") << 1 << Bounded(false, 12, 72000, {}, 12, 71000, {})
                                          << "与下界相差最多 1 m（1.4%）";
  }

  void boundLineSaysOptimalOrHowFarAtMost() {
    QFETCH(int, stocks);
    QFETCH(cutting::CutPlan, plan);
    QFETCH(QString, line);
    cutting::CutRequest request;
    request.stocks.resize(static_cast<std::size_t>(stocks));
    QCOMPARE(CutTexts::BoundLine(plan, request), line);
  }

  void summaryLines() {
    CutSheet one = Planned({{P(2000, 2, "A"), P(1500, 1, "B")}, {{6000, {}, {}}}, 3, 10, 400, 3.77});
    QCOMPARE(CutTexts::BuyLine(one.plan), QStringLiteral("需购原料：6000 mm × 1 根，共 6 m"));
    QCOMPARE(CutTexts::UseLine(one.plan), QStringLiteral("利用率 91.7%；废料 0.029 m（0.5%）；保留余料 0.471 m（1 段）"));
    QCOMPARE(CutTexts::WeightLine(one.plan), QStringLiteral("重量 22.62 kg"));
    CutSheet two = Planned({{P(8000, 1), P(5000, 2)}, {{6000, {}, 300}, {9000, {}, 420}}, 3, 0, 0, 0});
    QCOMPARE(CutTexts::BuyLine(two.plan), QStringLiteral("需购原料：6000 mm × 2 根，9000 mm × 1 根；共 3 根，21 m"));
    QCOMPARE(CutTexts::WeightLine(two.plan), QStringLiteral("金额 1020.00 元"));
    QCOMPARE(CutTexts::UseLine(two.plan), QStringLiteral("利用率 85.7%；废料 3 m（14.3%）"));
  }

  // Start and end of every cut from the bar's start: trim first, a kerf between pieces, the
  // offcut after its own cut up to the trim at the far end.
  void sawTableGivesEveryCutItsPlace() {
    CutSheet sheet = Planned({{P(2000, 2, "A"), P(1500, 1, "B")}, {{6000, {}, {}}}, 3, 10, 400, 0});
    const PrintTable table = CutTexts::PatternTable(sheet, 0);
    QCOMPARE(table.caption, QStringLiteral("方案 1　原料 6000 mm × 1 根"));
    QCOMPARE(table.columns.size(), 5);
    const QList<QStringList> rows = {{"1", "2000", "A", "10", "2010"},
                                     {"2", "2000", "A", "2013", "4013"},
                                     {"3", "1500", "B", "4016", "5516"}};
    QCOMPARE(table.rows, rows);
    QCOMPARE(table.totals, (QStringList{"余料", "471", "保留", "5519", "5990"}));

    CutSheet bare = Planned({{P(2000, 2), P(1500, 1)}, {{6000, {}, {}}}, 3, 0, 0, 0});
    const PrintTable plain = CutTexts::PatternTable(bare, 0);
    QCOMPARE(plain.columns.size(), 4);  // no labels, no label column
    QCOMPARE(plain.totals, (QStringList{"废料", "491", "5509", "6000"}));
  }

  void barsOfOnePatternShareTheirLabels() {
    CutSheet sheet = Planned({{P(2000, 1, "A"), P(2000, 1, "B"), P(3000, 2)}, {{6000, {}, {}}}, 3, 0, 0, 0});
    QCOMPARE(sheet.plan.patterns.size(), std::size_t{1});
    QCOMPARE(CutTexts::CutLabels(sheet.plan, sheet.request, sheet.plan.patterns[0]), (QStringList{"", "A/B"}));
    QVERIFY(CutTexts::PlanText(sheet).contains(QStringLiteral("1\t6000\t2\t3000 + 2000（A/B）\t994\t废料\n")));
  }

  // Every bar to one scale, the count at the right; a kept offcut green, scrap not.
  void drawingIsToScale() {
    CutSheet sheet = Planned({{P(11000, 1), P(5000, 1)}, {{6000, {}, {}}, {12000, {}, {}}}, 3, 0, 900, 0});
    QCOMPARE(sheet.plan.patterns.size(), std::size_t{2});
    PlanPainter painter(sheet, {QFont(), QFont(), QFont()});
    QImage image(800, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    const PlanRowMetrics m = PlanPainter::MetricsFor(painter.fonts(), &image);
    {
      QPainter p(&image);
      for (int i = 0; i < painter.rows(); ++i) painter.PaintRow(p, i, QRectF(0, i * m.total(), 800, m.total()), m);
    }
    // The bar's outline is the last black pixel just below its top, above every text.
    const auto barEnd = [&](int row) {
      const int y = static_cast<int>(row * m.total() + m.caption + 2);
      int end = -1;
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == Qt::black) end = x;
      }
      return end;
    };
    const auto stockOf = [&](int row) { return sheet.plan.patterns[static_cast<std::size_t>(row)].stockLength; };
    const int longRow = stockOf(0) == 12000 ? 0 : 1;
    QVERIFY(barEnd(longRow) > 600);
    QVERIFY(qAbs(barEnd(1 - longRow) * 2 - barEnd(longRow)) <= 3);
    // 12000 − 11000 − 3 = 997 kept, 6000 − 5000 − 3 = 997 kept: both hatched green.
    for (int row : {0, 1}) {
      const int y = static_cast<int>(row * m.total() + m.caption + 2);
      bool green = false;
      for (int x = barEnd(row) - 30; x < barEnd(row); ++x) {
        const QColor c = image.pixelColor(x, y);
        green = green || (c.green() > 200 && c.red() < 235);
      }
      QVERIFY2(green, qPrintable(QString::number(row)));
    }
  }
};

QTEST_MAIN(CutSheetTest)
#include "test_cut_sheet.moc"
