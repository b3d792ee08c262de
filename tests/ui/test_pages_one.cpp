// SPDX-License-Identifier: GPL-3.0-or-later
// Page one: plates, hot-rolled angle, round bar or pipe, channel and I-beam.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include "pages/page_one.h"
#include "support/page_test_host.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

class TestPageOne : public QObject {
  Q_OBJECT

 private:
  PageTestHost host_;
  std::unique_ptr<CPageOne> page_;

  QRadioButton* Radio(const char* id) { return page_->findChild<QRadioButton*>(QString::fromUtf8(id)); }

 private slots:
  void init() {
    host_ = PageTestHost();
    host_.AddRow(0, QStringLiteral("自定角钢"), QStringLiteral("12.5"));
    host_.AddRow(0, QStringLiteral("角钢二"), QStringLiteral("abc"));
    host_.AddRow(1, QStringLiteral("自定槽钢"), QStringLiteral("30"), QStringLiteral("300×90×9"));
    page_ = std::make_unique<CPageOne>(&host_, nullptr);
    page_->show();
  }
  void cleanup() { page_.reset(); }

  void initialState() {
    QCOMPARE(Text(page_.get(), "1020"), QStringLiteral("0"));
    QCOMPARE(Text(page_.get(), "1025"), QStringLiteral("r"));
    QVERIFY(Radio("1019")->isChecked());
    QVERIFY(!Radio("1021")->isChecked());
    // The two default texts were edits: two previews.
    QCOMPARE(host_.previews, (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(List(page_.get(), "1010")->count(), 147 + 2);
    QCOMPARE(List(page_.get(), "1010")->itemText(147), QStringLiteral("自定角钢"));
    QCOMPARE(List(page_.get(), "1033")->count(), 41 + 1);
    QCOMPARE(List(page_.get(), "1038")->count(), 45);
    for (const char* id : {"1010", "1033", "1038"}) QCOMPARE(List(page_.get(), id)->currentIndex(), 0);
    QCOMPARE(Text(page_.get(), "1017"), QStringLiteral("0.889"));
    QCOMPARE(Text(page_.get(), "1041"), QStringLiteral("50×37×4.5"));
    QCOMPARE(Text(page_.get(), "1000"), QString());
    QCOMPARE(Text(page_.get(), "1012"), QStringLiteral("0.00"));
  }

  void roundBarAndPipe() {
    struct Case {
      const char* name;
      bool wallMode;
      const char *outer, *inner, *wall, *length;
      int unit, decimals;
      const char* expected;
    };
    static const Case kCases[] = {
        {"solid, inner 0", false, "20", "0", "r", "1000", 0, 2, "2.47"},
        {"solid, wall r", true, "20", "0", "r", "1000", 0, 2, "2.47"},
        {"wall half the diameter", true, "20", "0", "10", "1000", 0, 2, "2.47"},
        {"pipe by wall", true, "20", "0", "2", "1000", 0, 2, "0.89"},
        {"wall too thick", true, "20", "0", "11", "1000", 0, 2, "壁厚输入错误"},
        {"kg;m", false, "20", "0", "r", "1", 1, 3, "2.466"},
        {"inner larger", false, "20", "30", "r", "1000", 0, 2, "-3.08"},
        {"expressions", false, "10+10", "0", "r", "2*500", 0, 2, "2.47"},
    };
    for (const Case& c : kCases) {
      host_.settings.unitSystem = c.unit;
      host_.settings.decimals = c.decimals;
      Click(page_.get(), c.wallMode ? "1021" : "1019");
      Type(page_.get(), "1018", QString::fromUtf8(c.outer));
      Type(page_.get(), "1020", QString::fromUtf8(c.inner));
      Type(page_.get(), "1025", QString::fromUtf8(c.wall));
      Type(page_.get(), "1022", QString::fromUtf8(c.length));
      QVERIFY2(Text(page_.get(), "1027") == QString::fromUtf8(c.expected), c.name);
    }
  }

  // A click on a mode button recomputes at once.
  void modeClickRecomputes() {
    Type(page_.get(), "1018", QStringLiteral("20"));
    Type(page_.get(), "1025", QStringLiteral("11"));
    Type(page_.get(), "1022", QStringLiteral("1000"));
    QCOMPARE(Text(page_.get(), "1027"), QStringLiteral("2.47"));
    Click(page_.get(), "1021");
    QCOMPARE(Text(page_.get(), "1027"), QStringLiteral("壁厚输入错误"));
    Click(page_.get(), "1019");
    QCOMPARE(Text(page_.get(), "1027"), QStringLiteral("2.47"));
  }

  void hotAngle() {
    host_.settings.unitSystem = kUnitKgM;
    Type(page_.get(), "1011", QStringLiteral("6"));
    QCOMPARE(Text(page_.get(), "1017"), QStringLiteral("0.889"));
    QCOMPARE(Text(page_.get(), "1012"), QStringLiteral("5.33"));
    host_.settings = WeightSettings{kUnitKgMm, 3, 7.85};
    Type(page_.get(), "1011", QStringLiteral("6000"));
    QCOMPARE(Text(page_.get(), "1012"), QStringLiteral("5.334"));
    Choose(page_.get(), "1010", 147);
    QCOMPARE(Text(page_.get(), "1017"), QStringLiteral("12.500"));
    QCOMPARE(Text(page_.get(), "1012"), QStringLiteral("75.000"));
    Choose(page_.get(), "1010", 148);
    QCOMPARE(Text(page_.get(), "1017"), QStringLiteral("0.000"));
  }

  void channelSpec() {
    QCOMPARE(List(page_.get(), "1033")->itemText(10), QStringLiteral("[16"));
    Choose(page_.get(), "1033", 10);
    QCOMPARE(Text(page_.get(), "1041"), QStringLiteral("160×65×8.5"));
    QCOMPARE(Text(page_.get(), "1030"), QStringLiteral("19.752"));
    Choose(page_.get(), "1033", 41);
    QCOMPARE(Text(page_.get(), "1041"), QStringLiteral("300×90×9"));
    QCOMPARE(Text(page_.get(), "1030"), QStringLiteral("30.000"));
    // With nothing selected the "规格:" text stays.
    List(page_.get(), "1033")->setCurrentIndex(-1);
    page_->CalcHotChannel();
    QCOMPARE(Text(page_.get(), "1041"), QStringLiteral("300×90×9"));
    QCOMPARE(Text(page_.get(), "1030"), QStringLiteral("0.000"));
  }

  // Selecting by program runs nothing; only the user's choice does.
  // Every built-in size's spec text must be readable whole from its first character: a field that shows
  // the end of a long text cut the leading digit off ("[36c" showed "60×100×13.0").
  void specTextsFitAndShowTheirStart_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("spec");
    QTest::newRow("channel") << QByteArray("1033") << QByteArray("1041");
    QTest::newRow("I-beam") << QByteArray("1038") << QByteArray("1042");
  }
  void specTextsFitAndShowTheirStart() {
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, spec);
    QComboBox* sizes = List(page_.get(), list.constData());
    QLineEdit* field = Field(page_.get(), spec.constData());
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * 2;  // QLineEdit's own margin
    int widest = 0;
    QString widestText;
    for (int i = 0; i < sizes->count(); ++i) {
      Choose(page_.get(), list.constData(), i);
      if (field->text().isEmpty()) continue;
      const int width = field->fontMetrics().horizontalAdvance(field->text());
      if (width > widest) {
        widest = width;
        widestText = field->text();
      }
      QCOMPARE(field->cursorPosition(), 0);
      QVERIFY(field->alignment() & Qt::AlignLeft);
    }
    QVERIFY2(widest <= room, qPrintable(QStringLiteral("%1 needs %2 px, the field has %3").arg(widestText).arg(widest).arg(room)));
  }

  void programSelectionRunsNothing() {
    List(page_.get(), "1038")->setCurrentIndex(3);
    QCOMPARE(Text(page_.get(), "1042"), QStringLiteral("100×68×4.5"));
  }

  void plates() {
    struct Case {
      int unit, decimals;
      const char *side, *area, *expected;
    };
    static const Case kCases[] = {
        {kUnitKgMm, 0, "1000", "1000*1000", "8"}, {kUnitKgMm, 2, "1000", "1000*1000", "7.85"},
        {kUnitKgM, 2, "1", "1", "7.85"},          {kUnitTM, 5, "1", "1", "0.00785"},
        {7, 2, "1000", "1000*1000", "0.00"},
    };
    for (const Case& c : kCases) {
      host_.settings.unitSystem = c.unit;
      host_.settings.decimals = c.decimals;
      for (const char* id : {"1000", "1001"}) Type(page_.get(), id, QString::fromUtf8(c.side));
      Type(page_.get(), "1005", QString::fromUtf8(c.area));
      for (const char* id : {"1002", "1006"}) Type(page_.get(), id, QStringLiteral("1"));
      QCOMPARE(Text(page_.get(), "1004"), QString::fromUtf8(c.expected));
      QCOMPARE(Text(page_.get(), "1007"), QString::fromUtf8(c.expected));
    }
  }

  void showInputValue() {
    Type(page_.get(), "1011", QStringLiteral("2*6000"));
    QCOMPARE(host_.lastPreview(), QStringLiteral("12000"));
    Type(page_.get(), "1002", QStringLiteral("1.50"));
    QCOMPARE(host_.lastPreview(), QStringLiteral("1.5"));
    Type(page_.get(), "1018", QStringLiteral("abc"));
    QCOMPARE(host_.lastPreview(), QStringLiteral("0"));
    const qsizetype previews = host_.previews.size();
    Choose(page_.get(), "1010", 2);
    Click(page_.get(), "1021");
    QCOMPARE(host_.previews.size(), previews);  // selections and modes show no value
  }

  void resetPage() {
    for (const char* id : {"1000", "1001", "1002", "1005", "1006", "1011", "1018", "1022", "1031", "1035"})
      Type(page_.get(), id, QStringLiteral("5"));
    Type(page_.get(), "1020", QStringLiteral("2"));
    Type(page_.get(), "1025", QStringLiteral("1"));
    Click(page_.get(), "1021");
    Choose(page_.get(), "1010", 147);
    Choose(page_.get(), "1033", 10);
    Choose(page_.get(), "1038", 5);
    host_.previews.clear();
    page_->ResetPage();
    for (const char* id : {"1000", "1001", "1002", "1005", "1006", "1011", "1018", "1022", "1031", "1035"})
      QCOMPARE(Text(page_.get(), id), QString());
    QCOMPARE(Text(page_.get(), "1020"), QStringLiteral("0"));
    QCOMPARE(Text(page_.get(), "1025"), QStringLiteral("r"));
    QVERIFY(Radio("1021")->isChecked());  // the mode stays
    for (const char* id : {"1010", "1033", "1038"}) QCOMPARE(List(page_.get(), id)->currentIndex(), 0);
    QCOMPARE(List(page_.get(), "1010")->count(), 149);
    QCOMPARE(Text(page_.get(), "1041"), QStringLiteral("50×37×4.5"));
    for (const char* id : {"1004", "1007", "1012", "1027", "1032", "1036"}) QCOMPARE(Text(page_.get(), id), "0.00");
    // Every default and every emptied field counts as an edit, changed or not.
    QCOMPARE(host_.previews.size(), 12);
    page_->ResetPage();
    QCOMPARE(host_.previews.size(), 24);
  }

  void tooltips() {
    const QList<QPair<const char*, QString>> tips = {{"1018", QStringLiteral("圆钢或钢管外圆直径")},
                                                     {"1019", QStringLiteral("选择内径模式")},
                                                     {"1020", QStringLiteral("钢管内圆直径,0表示圆钢")},
                                                     {"1021", QStringLiteral("选择壁厚模式")},
                                                     {"1025", QStringLiteral("钢管壁厚,r表示圆钢")}};
    for (const auto& [id, tip] : tips) QCOMPARE(page_->findChild<QWidget*>(QString::fromUtf8(id))->toolTip(), tip);
  }
};

QTEST_MAIN(TestPageOne)
#include "test_pages_one.moc"
