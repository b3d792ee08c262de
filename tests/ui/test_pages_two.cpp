// SPDX-License-Identifier: GPL-3.0-or-later
// Page two: tubes and pipes, fasteners, sections, plate products and wire rope.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "pages/list_fonts.h"
#include "pages/page_two.h"
#include "support/page_test_host.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

const QString kStandard = QStringLiteral("标准大小");

// Fastener standards by their place in the list.
constexpr int kLS5780 = 0;
constexpr int kLM41 = 34;
constexpr int kLM6170 = 35;
constexpr int kDQ95 = 56;
constexpr int kCotterPin = 70;

}  // namespace

class TestPageTwo : public QObject {
  Q_OBJECT

 private:
  PageTestHost host_;
  std::unique_ptr<CPageTwo> page_;
  QWidget* p() { return page_.get(); }

  void ChooseText(const char* id, const QString& text) {
    const int index = List(p(), id)->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    Choose(p(), id, index);
  }

 private slots:
  void init() {
    host_ = PageTestHost();
    host_.AddRow(3, QStringLiteral("方管一"), QStringLiteral("12.5kg"));
    host_.AddRow(3, QStringLiteral("方管二"), QStringLiteral("1"));
    host_.AddRow(3, QStringLiteral("方管三"), QStringLiteral("2"));
    host_.AddRow(4, QStringLiteral("钢管一"), QStringLiteral("3"));
    page_ = std::make_unique<CPageTwo>(&host_, nullptr);
    page_->show();
  }
  void cleanup() { page_.reset(); }

  void initialState() {
    const QList<QPair<const char*, QString>> first = {
        {"1067", "20×1.2"},  {"1071", "1/8'×2.00"},  {"1075", "LS 5780-2000"}, {"1081", "M5"},  {"1045", "HW宽翼缘"},
        {"1046", "100×100"}, {"1057", "菱形花纹板"}, {"1058", "δ2.5"},         {"1062", "1×7"}, {"1066", "φ0.6"}};
    for (const auto& [id, text] : first) {
      QCOMPARE(List(p(), id)->currentIndex(), 0);
      QCOMPARE(List(p(), id)->currentText(), text);
    }
    for (const char* id : {"1069", "1073", "1076", "1055", "1060", "1064"}) QCOMPARE(Text(p(), id), QString());
    QCOMPARE(Text(p(), "1068"), QStringLiteral("0.679"));
    QCOMPARE(Text(p(), "1063"), QStringLiteral("0.19"));
    QVERIFY(host_.previews.isEmpty());  // no default texts on this page
  }

  void tubesAndPipes() {
    Type(p(), "1069", QStringLiteral("6000"));
    QCOMPARE(Text(p(), "1070"), QStringLiteral("4.07"));
    host_.settings.decimals = 3;
    host_.settings.density = 7.93;
    page_->CalcSquareTube();
    QCOMPARE(Text(p(), "1068"), QStringLiteral("0.686"));
    QCOMPARE(List(p(), "1067")->itemText(123), QStringLiteral("30×20×1.5"));
    QCOMPARE(List(p(), "1067")->itemText(292), QStringLiteral("600×400×16"));

    host_.settings = WeightSettings{kUnitKgM, 2, 7.85};
    Choose(p(), "1071", 10);
    Type(p(), "1073", QStringLiteral("6"));
    QCOMPARE(Text(p(), "1074"), QStringLiteral("14.52"));
    host_.settings = WeightSettings{kUnitTM, 5, 7.85};
    page_->RecomputeAll();
    QCOMPARE(Text(p(), "1074"), QStringLiteral("0.01452"));
  }

  void userRowsFollowTheBuiltInSizes() {
    QComboBox* tubes = List(p(), "1067");
    QCOMPARE(tubes->count(), 296);
    QCOMPARE(tubes->itemText(293), QStringLiteral("方管一"));
    Choose(p(), "1067", 293);
    QCOMPARE(Text(p(), "1068"), QStringLiteral("12.500"));
    QCOMPARE(List(p(), "1071")->itemText(27), QStringLiteral("6'×5.50"));
    QCOMPARE(List(p(), "1071")->itemText(28), QStringLiteral("钢管一"));
  }

  void fastenerWeights() {
    struct Case {
      int standard;
      const char *size, *length;
      WeightSettings settings;
      const char* expected;
    };
    static const Case kCases[] = {
        {kLS5780, "M10", "100", {kUnitKgMm, 2, 7.85}, "0.06"},
        {kLS5780, "M10", "0.1", {kUnitKgM, 3, 7.85}, "0.063"},
        {kLS5780, "M10", "100", {kUnitKgMm, 6, 7.93}, "0.063642"},
        {kLM6170, "M10", nullptr, {kUnitTM, 9, 7.85}, "0.000007940"},
        {kCotterPin, "φ2", "20", {kUnitKgMm, 8, 7.85}, "0.00046911"},
        {kCotterPin, "φ2", "20", {kUnitKgMm, 8, 7.93}, "0.00046982"},  // only the fixed part follows
        {kCotterPin, "φ2", "", {kUnitKgMm, 8, 7.85}, "0.00000000"},
        {kCotterPin, "φ2", "0", {kUnitKgMm, 8, 7.85}, "0.00000000"},
        {54, "M140×2.0", nullptr, {kUnitKgMm, 4, 7.85}, "0.0000"},  // sizes without a value
    };
    for (const Case& c : kCases) {
      host_.settings = c.settings;
      Choose(p(), "1075", c.standard);
      ChooseText("1081", QString::fromUtf8(c.size));
      if (c.length) Type(p(), "1076", QString::fromUtf8(c.length));
      QCOMPARE(Text(p(), "1077"), QString::fromUtf8(c.expected));
    }
  }

  // The length field of standards without a length.
  void fastenerLengthField() {
    Choose(p(), "1075", kLM41);
    QCOMPARE(Text(p(), "1076"), kStandard);
    Choose(p(), "1075", kLS5780);
    QCOMPARE(Text(p(), "1076"), QString());

    Choose(p(), "1075", kLM41);
    Choose(p(), "1075", kDQ95);
    QCOMPARE(Text(p(), "1076"), kStandard);
    Choose(p(), "1075", kCotterPin);
    QCOMPARE(Text(p(), "1076"), QString());

    // Typing while a nut is selected: the text returns at once, the weight stays.
    Choose(p(), "1075", kLM41);
    const QString weight = Text(p(), "1077");
    QTest::keyClicks(Field(p(), "1076"), QStringLiteral("5"));
    QCOMPARE(Text(p(), "1076"), kStandard);
    Type(p(), "1076", QStringLiteral("200"));
    QCOMPARE(Text(p(), "1076"), kStandard);
    QCOMPARE(Text(p(), "1077"), weight);

    // A bolt length gives way to the nut's text and does not come back.
    Choose(p(), "1075", kLS5780);
    Type(p(), "1076", QStringLiteral("100"));
    Choose(p(), "1075", kLM41);
    QCOMPARE(Text(p(), "1076"), kStandard);
    Choose(p(), "1075", kLS5780);
    QCOMPARE(Text(p(), "1076"), QString());
    QCOMPARE(List(p(), "1081")->currentText(), QStringLiteral("M5"));

    // Bolt lengths survive a change between bolt standards.
    Type(p(), "1076", QStringLiteral("80"));
    Choose(p(), "1075", 2);
    QCOMPARE(Text(p(), "1076"), QStringLiteral("80"));
  }

  void sections() {
    host_.settings.unitSystem = kUnitKgM;
    ChooseText("1046", QStringLiteral("200×200"));
    Type(p(), "1055", QStringLiteral("12"));
    QCOMPARE(Text(p(), "1054"), QStringLiteral("49.900"));
    QCOMPARE(Text(p(), "1056"), QStringLiteral("598.80"));
    host_.settings.density = 7.93;
    page_->RecomputeAll();
    QCOMPARE(Text(p(), "1054"), QStringLiteral("50.409"));
    QCOMPARE(List(p(), "1046")->currentText(), QStringLiteral("200×200"));  // selections stay
    Choose(p(), "1045", 2);
    QCOMPARE(List(p(), "1046")->currentText(), QStringLiteral("100×50"));
  }

  void plateMesh() {
    const QList<QPair<WeightSettings, const char*>> cases = {
        {{kUnitKgMm, 4, 7.85}, "2000000"}, {{kUnitKgM, 4, 7.85}, "2"}, {{kUnitTM, 4, 7.85}, "2"}};
    for (const auto& [settings, area] : cases) {
      host_.settings = settings;
      ChooseText("1058", QStringLiteral("δ4"));
      Type(p(), "1060", QString::fromUtf8(area));
      QCOMPARE(Text(p(), "1059"), QStringLiteral("33.400"));
      QCOMPARE(Text(p(), "1061"),
               settings.unitSystem == kUnitTM ? QStringLiteral("0.0668") : QStringLiteral("66.8000"));
    }
  }

  // Types 4 to 6 have long names: the narrow font, 4 px wide; the others the page's.
  void plateMeshFont() {
    QComboBox* sizes = List(p(), "1058");
    for (int type : {4, 0, 5, 1, 6, 7, 3, 2}) {
      Choose(p(), "1057", type);
      const bool narrow = type >= 4 && type <= 6;
      QCOMPARE(sizes->font() == page_->font(), !narrow);
      if (narrow) {
        QCOMPARE(sizes->font().pixelSize(), 13);
        QCOMPARE(qRound(AverageCharWidth(sizes->font())), 4);
      }
    }
    QCOMPARE(List(p(), "1045")->font(), page_->font());
  }

  // Rope is weighed per 100 m of length in metres, whatever the unit system and density.
  void wireRope() {
    const QList<QPair<WeightSettings, const char*>> cases = {{{kUnitKgMm, 2, 7.85}, "80.00"},
                                                             {{kUnitKgM, 2, 7.85}, "80.00"},
                                                             {{kUnitTM, 2, 7.85}, "0.08"},
                                                             {{kUnitKgM, 2, 9.0}, "80.00"}};
    for (const auto& [settings, expected] : cases) {
      host_.settings = settings;
      Choose(p(), "1062", 7);
      ChooseText("1066", QStringLiteral("φ20钢芯"));
      Type(p(), "1064", QStringLiteral("50"));
      QCOMPARE(Text(p(), "1063"), QStringLiteral("160.00"));
      QCOMPARE(Text(p(), "1065"), QString::fromUtf8(expected));
    }
  }

  void ropeList() {
    Choose(p(), "1062", 39);
    QCOMPARE(List(p(), "1066")->count(), 40);
    ChooseText("1066", QStringLiteral("φ30天然纤芯"));
    QCOMPARE(Text(p(), "1063"), QStringLiteral("298.00"));
  }

  void programSelectionRunsNothing() {
    List(p(), "1067")->setCurrentIndex(5);
    List(p(), "1057")->setCurrentIndex(4);
    QCOMPARE(Text(p(), "1068"), QStringLiteral("0.679"));
    QCOMPARE(List(p(), "1058")->currentText(), QStringLiteral("δ2.5"));
  }

  void resetPage() {
    for (const char* id : {"1055", "1060", "1064", "1069", "1073"}) Type(p(), id, QStringLiteral("7"));
    Choose(p(), "1067", 294);
    Choose(p(), "1071", 3);
    Choose(p(), "1045", 5);
    Choose(p(), "1057", 5);
    Choose(p(), "1062", 20);
    Choose(p(), "1075", kLM41);
    host_.previews.clear();
    page_->ResetPage();
    for (const char* id : {"1055", "1060", "1064", "1069", "1073", "1076"}) QCOMPARE(Text(p(), id), QString());
    for (const char* id : {"1067", "1071", "1075", "1081", "1045", "1046", "1057", "1058", "1062", "1066"})
      QCOMPARE(List(p(), id)->currentIndex(), 0);
    QCOMPARE(List(p(), "1058")->currentText(), QStringLiteral("δ2.5"));
    QCOMPARE(List(p(), "1058")->font(), page_->font());
    QCOMPARE(List(p(), "1067")->count(), 296);
    QCOMPARE(Text(p(), "1068"), QStringLiteral("0.679"));
    QCOMPARE(Text(p(), "1077"), QStringLiteral("0.00"));
    QCOMPARE(host_.previews.size(), 6);  // the six emptied fields
    QCOMPARE(host_.lastPreview(), QStringLiteral("0"));
  }
};

QTEST_MAIN(TestPageTwo)
#include "test_pages_two.moc"
