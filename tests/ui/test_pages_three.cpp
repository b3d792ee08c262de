// SPDX-License-Identifier: GPL-3.0-or-later
// Page three: bars with user-defined sizes, cold-formed sections with rebuilt spec lists.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "pages/list_fonts.h"
#include "pages/page_three.h"
#include "support/page_test_host.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

class TestPageThree : public QObject {
  Q_OBJECT

 private:
  PageTestHost host_;
  std::unique_ptr<CPageThree> page_;
  QWidget* p() { return page_.get(); }

 private slots:
  void init() {
    host_ = PageTestHost();
    // Rows of every kind: only the three bars take theirs.
    for (int kind = 0; kind < kCustomKindCount; ++kind) host_.AddRow(kind, QStringLiteral("自定%1").arg(kind), "2.5");
    page_ = std::make_unique<CPageThree>(&host_, nullptr);
    page_->show();
  }
  void cleanup() { page_.reset(); }

  void initialState() {
    QCOMPARE(List(p(), "1126")->count(), 39 + 1);
    QCOMPARE(List(p(), "1126")->itemText(39), QStringLiteral("自定5"));
    QCOMPARE(List(p(), "1127")->count(), 12 + 1);
    QCOMPARE(List(p(), "1128")->count(), 68 + 1);
    QCOMPARE(List(p(), "1128")->itemText(68), QStringLiteral("自定7"));
    // The cold-formed lists never show user-defined rows.
    QCOMPARE(List(p(), "1130")->count(), 33);
    QCOMPARE(List(p(), "1132")->count(), 33);
    QCOMPARE(List(p(), "1134")->count(), 12);
    QCOMPARE(List(p(), "1129")->currentText(), QStringLiteral("等边角钢"));
    QCOMPARE(List(p(), "1133")->itemText(1), QStringLiteral("卷边Z型钢"));
    for (const char* id : {"1136", "1139", "1142", "1145", "1148", "1151"}) QCOMPARE(Text(p(), id), QString());
    QCOMPARE(Text(p(), "1144"), QStringLiteral("0.354"));
  }

  void bars() {
    struct Case {
      const char *list, *length, *unitWeightField, *resultField;
      int item, unit;
      const char *value, *unitWeight, *weight;
    };
    static const Case kCases[] = {
        {"1126", "1136", "1135", "1137", 0, kUnitKgM, "1", "0.435", "0.43"},
        {"1126", "1136", "1135", "1137", 39, kUnitKgM, "2", "2.500", "5.00"},  // user-defined row
        {"1127", "1139", "1138", "1140", 11, kUnitKgMm, "1000", "10.400", "10.40"},
        {"1128", "1142", "1141", "1143", 8, kUnitKgMm, "9000", "0.888", "7.99"},
    };
    for (const Case& c : kCases) {
      host_.settings.unitSystem = c.unit;
      Choose(p(), c.list, c.item);
      Type(p(), c.length, QString::fromUtf8(c.value));
      QCOMPARE(Text(p(), c.unitWeightField), QString::fromUtf8(c.unitWeight));
      QCOMPARE(Text(p(), c.resultField), QString::fromUtf8(c.weight));
    }
  }

  void specListRebuild() {
    Type(p(), "1148", QStringLiteral("1000"));
    Choose(p(), "1132", 5);
    Choose(p(), "1131", 3);
    QComboBox* specs = List(p(), "1132");
    QCOMPARE(specs->count(), 26);
    QCOMPARE(specs->currentIndex(), 0);
    QCOMPARE(specs->currentText(), QStringLiteral("[30×30×16×2.5"));
    QCOMPARE(Text(p(), "1147"), QStringLiteral("2.009"));
    QCOMPARE(Text(p(), "1149"), QStringLiteral("2.01"));
  }

  // The "规格:" lists' fonts by type, by average width: 5 narrow, 4 narrower, 0 the page's.
  void specFonts() {
    struct Case {
      const char *typeList, *specList;
      int type, width;
    };
    static const Case kCases[] = {
        {"1129", "1130", 0, 5}, {"1129", "1130", 1, 5}, {"1131", "1132", 0, 5}, {"1131", "1132", 1, 4},
        {"1131", "1132", 2, 4}, {"1131", "1132", 3, 4}, {"1133", "1134", 0, 0}, {"1133", "1134", 1, 5},
    };
    for (const Case& c : kCases) {
      Choose(p(), c.typeList, c.type == 0 ? 1 : 0);  // from another type, so the font has to change
      Choose(p(), c.typeList, c.type);
      const QFont font = List(p(), c.specList)->font();
      if (c.width == 0) {
        QCOMPARE(font, page_->font());
      } else {
        QCOMPARE(font.pixelSize(), 13);
        QCOMPARE(qRound(AverageCharWidth(font)), c.width);
      }
    }
  }

  void programSelectionRunsNothing() {
    List(p(), "1129")->setCurrentIndex(1);
    QCOMPARE(List(p(), "1130")->count(), 33);
    List(p(), "1130")->setCurrentIndex(3);
    QCOMPARE(Text(p(), "1144"), QStringLiteral("0.354"));
  }

  void resetPage() {
    for (const char* id : {"1136", "1139", "1142", "1145", "1148", "1151"}) Type(p(), id, QStringLiteral("9"));
    Choose(p(), "1126", 39);
    Choose(p(), "1128", 4);
    Choose(p(), "1131", 3);
    Choose(p(), "1133", 1);
    Choose(p(), "1134", 6);
    host_.previews.clear();
    page_->ResetPage();
    for (const char* id : {"1136", "1139", "1142", "1145", "1148", "1151"}) QCOMPARE(Text(p(), id), QString());
    for (const char* id : {"1126", "1127", "1128", "1129", "1130", "1131", "1132", "1133", "1134"})
      QCOMPARE(List(p(), id)->currentIndex(), 0);
    QCOMPARE(List(p(), "1132")->count(), 33);
    QCOMPARE(qRound(AverageCharWidth(List(p(), "1132")->font())), 5);
    QCOMPARE(List(p(), "1134")->font(), page_->font());
    QCOMPARE(List(p(), "1126")->count(), 40);
    QCOMPARE(Text(p(), "1147"), QStringLiteral("0.401"));
    for (const char* id : {"1137", "1140", "1143", "1146", "1149", "1152"}) QCOMPARE(Text(p(), id), "0.00");
    QCOMPARE(host_.previews, QStringList(6, QStringLiteral("0")));
  }
};

QTEST_MAIN(TestPageThree)
#include "test_pages_three.moc"
