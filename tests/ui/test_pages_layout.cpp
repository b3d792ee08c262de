// SPDX-License-Identifier: GPL-3.0-or-later
// Behaviour and looks shared by the three weight pages.
#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <memory>

#include "common/dialog_units.h"
#include "pages/page_one.h"
#include "pages/page_three.h"
#include "pages/page_two.h"
#include "support/page_test_host.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

std::unique_ptr<CWeightPage> MakePage(int index, PageHost* host, QWidget* parent = nullptr) {
  switch (index) {
    case 0:
      return std::make_unique<CPageOne>(host, parent);
    case 1:
      return std::make_unique<CPageTwo>(host, parent);
    default:
      return std::make_unique<CPageThree>(host, parent);
  }
}

// "重量" button, the result beside it, and an input whose edit recomputes that result.
struct Push {
  int page;
  const char* button;
  const char* result;
  const char* input;
};
constexpr Push kPushes[] = {
    {0, "1089", "1004", "1000"}, {0, "1090", "1007", "1005"}, {0, "1091", "1012", "1011"}, {0, "1092", "1027", "1022"},
    {0, "1093", "1032", "1031"}, {0, "1094", "1036", "1035"}, {1, "1095", "1070", "1069"}, {1, "1096", "1074", "1073"},
    {1, "1097", "1077", "1076"}, {1, "1098", "1056", "1055"}, {1, "1099", "1061", "1060"}, {1, "1100", "1065", "1064"},
    {2, "1101", "1137", "1136"}, {2, "1102", "1140", "1139"}, {2, "1103", "1143", "1142"}, {2, "1118", "1146", "1145"},
    {2, "1153", "1149", "1148"}, {2, "1154", "1152", "1151"},
};

// Records the keys that reach the page's parent.
class KeySink : public QWidget {
 public:
  QList<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* event) override { keys.append(event->key()); }
};

}  // namespace

class TestPagesLayout : public QObject {
  Q_OBJECT

 private slots:
  void pageGeometry_data();
  void pageGeometry();
  void controlsAreTidy_data() { pageGeometry_data(); }
  void controlsAreTidy();
  void pushButtons();
  void recomputeAllFollowsSettings_data() { pageGeometry_data(); }
  void recomputeAllFollowsSettings();
  void enterAndEscapeReachTheMainWindow();
  void screenshots();
};

void TestPagesLayout::pageGeometry_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<int>("heightDlu");
  QTest::newRow("one") << 0 << 179;
  QTest::newRow("two") << 1 << 177;
  QTest::newRow("three") << 2 << 179;
}

void TestPagesLayout::pageGeometry() {
  QFETCH(int, page);
  QFETCH(int, heightDlu);
  PageTestHost host;
  auto p = MakePage(page, &host);
  const DialogUnits du(DialogFont());
  QCOMPARE(p->size(), QSize(du.X(289), du.Y(heightDlu)));
  const auto boxes = p->findChildren<QGroupBox*>();
  QCOMPARE(boxes.size(), 6);
  const QRect expected[6] = {du.Rect(2, 1, 90, 79),  du.Rect(94, 1, 91, 79),  du.Rect(187, 1, 101, 79),
                             du.Rect(2, 83, 90, 90), du.Rect(94, 83, 91, 90), du.Rect(187, 83, 101, 90)};
  for (int i = 0; i < 6; ++i) {
    QCOMPARE(boxes[i]->geometry(), expected[i]);
    QVERIFY(p->rect().contains(boxes[i]->geometry()));
  }
}

// Inside every box: nothing overlaps, nothing sticks out, no caption is clipped, every
// control sits on a row of the same height; read-only fields are the written ones.
void TestPagesLayout::controlsAreTidy() {
  QFETCH(int, page);
  PageTestHost host;
  auto p = MakePage(page, &host);
  for (QGroupBox* box : p->findChildren<QGroupBox*>()) {
    QVERIFY(box->fontMetrics().horizontalAdvance(box->title()) < box->width() - 20);
    const auto children = box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QSet<int> heights;
    for (QWidget* w : children) {
      QVERIFY2(box->rect().adjusted(2, 2, -2, -2).contains(w->geometry()), qPrintable(w->objectName()));
      heights.insert(w->height());
      for (QWidget* other : children)
        if (w != other) QVERIFY2(!w->geometry().intersects(other->geometry()), qPrintable(w->objectName()));
      int textWidth = 0;
      if (auto* label = qobject_cast<QLabel*>(w)) textWidth = label->fontMetrics().horizontalAdvance(label->text());
      if (auto* button = qobject_cast<QPushButton*>(w))
        textWidth = button->fontMetrics().horizontalAdvance(button->text()) + 8;
      if (auto* radio = qobject_cast<QRadioButton*>(w))
        textWidth = radio->fontMetrics().horizontalAdvance(radio->text()) +
                    radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                    radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      QVERIFY2(textWidth <= w->width(), qPrintable(box->title() + w->objectName()));
    }
    QCOMPARE(heights.size(), 1);
  }
  for (QComboBox* list : p->findChildren<QComboBox*>()) QVERIFY(!list->isEditable());
  for (const Push& push : kPushes) {
    if (push.page != page) continue;
    QVERIFY(Field(p.get(), push.result)->isReadOnly());
    QVERIFY(!Field(p.get(), push.input)->isReadOnly());
  }
  for (QLineEdit* field : p->findChildren<QLineEdit*>()) {
    // The unit-weight fields are the read-only ones with a "单重:" caption: centred.
    auto* box = field->parentWidget();
    for (QLabel* label : box->findChildren<QLabel*>())
      if (label->buddy() == field && label->text() == QStringLiteral("单重:")) {
        QVERIFY(field->isReadOnly());
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
      }
  }
}

void TestPagesLayout::pushButtons() {
  PageTestHost host;
  std::unique_ptr<CWeightPage> pages[3] = {MakePage(0, &host), MakePage(1, &host), MakePage(2, &host)};
  for (auto& page : pages) page->show();
  for (const Push& push : kPushes) {
    QWidget* page = pages[push.page].get();
    auto* button = page->findChild<QPushButton*>(QString::fromUtf8(push.button));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("重量"));
    QCOMPARE(button->toolTip(), QStringLiteral("点击复制右侧重量值"));
    Type(page, push.input, QStringLiteral("3000"));
    const QString result = Text(page, push.result);
    QVERIFY(!result.isEmpty());
    QGuiApplication::clipboard()->clear();
    const qsizetype before = host.collected.size();
    Click(page, push.button);
    QCOMPARE(QGuiApplication::clipboard()->text(), result);
    QCOMPARE(host.collected.size(), before + 1);
    QCOMPARE(host.collected.last(), result);
  }
}

void TestPagesLayout::recomputeAllFollowsSettings() {
  QFETCH(int, page);
  PageTestHost host;
  auto p = MakePage(page, &host);
  p->show();
  for (const Push& push : kPushes)
    if (push.page == page) Type(p.get(), push.input, QStringLiteral("1000"));
  host.settings.decimals = 5;
  p->RecomputeAll();
  static const QRegularExpression kFiveDecimals(QStringLiteral("^-?\\d+\\.\\d{5}$"));
  for (const Push& push : kPushes)
    if (push.page == page) QVERIFY2(kFiveDecimals.match(Text(p.get(), push.result)).hasMatch(), push.result);
}

void TestPagesLayout::enterAndEscapeReachTheMainWindow() {
  PageTestHost host;
  KeySink window;
  auto page = MakePage(0, &host, &window);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  for (const char* id : {"1011", "1010", "1089", "1019"}) {
    auto* control = page->findChild<QWidget*>(QString::fromUtf8(id));
    control->setFocus();
    window.keys.clear();
    QTest::keyClick(control, Qt::Key_Return);
    QTest::keyClick(control, Qt::Key_Escape);
    QCOMPARE(window.keys, (QList<int>{Qt::Key_Return, Qt::Key_Escape}));
  }
  QVERIFY(host.collected.isEmpty());  // Enter on "重量" is the main window's, not a click
}

// With ZELVIK_PAGE_SHOTS set to a folder, saves each page as it looks with its first
// sizes and a length typed, to look at.
void TestPagesLayout::screenshots() {
  const QString folder = qEnvironmentVariable("ZELVIK_PAGE_SHOTS");
  if (folder.isEmpty()) QSKIP("ZELVIK_PAGE_SHOTS not set");
  QDir().mkpath(folder);
  PageTestHost host;
  for (int i = 0; i < 3; ++i) {
    auto page = MakePage(i, &host);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    for (const Push& push : kPushes)
      if (push.page == i && push.page != 0) Type(page.get(), push.input, QStringLiteral("6000"));
    if (i == 0)
      for (const char* id : {"1000", "1001", "1002", "1005", "1006", "1011", "1018", "1022", "1031", "1035"})
        Type(page.get(), id, QStringLiteral("6000"));
    const auto save = [&](const QString& name) {
      const QImage image = page->grab().toImage();
      QVERIFY(image.save(QStringLiteral("%1/%2.png").arg(folder, name)));
      QVERIFY(image.scaled(image.size() * 2).save(QStringLiteral("%1/%2-x2.png").arg(folder, name)));
    };
    save(QStringLiteral("page%1").arg(i + 1));
    // The longest names, in the narrow list fonts.
    if (i == 1) {
      Choose(page.get(), "1057", 4);
      Choose(page.get(), "1058", 5);
      Choose(page.get(), "1062", 60);
      Choose(page.get(), "1045", 2);
      Choose(page.get(), "1075", 34);
      save(QStringLiteral("page2-long"));
    } else if (i == 2) {
      Choose(page.get(), "1129", 1);
      Choose(page.get(), "1131", 1);
      Choose(page.get(), "1132", 15);
      Choose(page.get(), "1133", 1);
      save(QStringLiteral("page3-long"));
    }
  }
}

QTEST_MAIN(TestPagesLayout)
#include "test_pages_layout.moc"
