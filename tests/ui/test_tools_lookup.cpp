// SPDX-License-Identifier: GPL-3.0-or-later
// The density table and the bearing lookup as their user meets them: find next by button and
// Enter, the wrap, the "not found" box, the kind list, the double-click copy, the columns.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "reference/bearing_catalogue.h"
#include "pages/drop_list.h"
#include "support/main_window_support.h"
#include "tools/bearing_dlg.h"
#include "tools/column_text.h"
#include "tools/density_dlg.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

// Answers the next modal message box and reports its caption and text.
void AnswerNextBox(QString* caption, QString* text) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, caption, text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *caption = box->windowTitle();
      *text = box->text();
      box->accept();
      poll->deleteLater();
    }
  });
  poll->start(10);
}

int SelectedRow(QAbstractItemView* view) {
  const QModelIndexList rows = view->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace

class ToolsLookupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void densityTableAsTheListShowsIt() {
    QWidget owner;
    CDensityDlg dlg(&owner);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("常用材料密度"));
    QVERIFY(!dlg.isVisible());
    auto* table = dlg.findChild<QTableView*>(QStringLiteral("1116"));
    QCOMPARE(table->model()->rowCount(), 124);
    QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("名     称"));
    QCOMPARE(table->model()->data(table->model()->index(6, 2)).toString(), QStringLiteral("8.3～8.7"));
    QCOMPARE(table->model()->data(table->model()->index(123, 1)).toString(), QStringLiteral("PE板"));
    // The selection stays visible while another control has the focus.
    QCOMPARE(table->palette().color(QPalette::Inactive, QPalette::Highlight),
             table->palette().color(QPalette::Active, QPalette::Highlight));
    QCOMPARE(dlg.findChild<QPushButton*>(QStringLiteral("1090"))->text(), QStringLiteral("查询 (下一个)"));
    QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("1090"))->isDefault());
    // "水(4℃)" and the note show their degree sign: the table's face draws it.
    dlg.show();
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setFont(table->font());
      painter.setPen(Qt::black);
      painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("℃"));
    }
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 128;
    }
    QVERIFY(inked > 5);
  }

  void densitySearchByButtonAndEnterWraps() {
    QWidget owner;
    CDensityDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* table = dlg.findChild<QTableView*>(QStringLiteral("1116"));
    auto* search = dlg.findChild<QLineEdit*>(QStringLiteral("1000"));
    auto* find = dlg.findChild<QPushButton*>(QStringLiteral("1090"));
    search->insert(QStringLiteral("铜"));  // typed through an input method
    QList<int> rows;
    for (int i = 0; i < 8; ++i) {
      QTest::mouseClick(find, Qt::LeftButton);
      rows << SelectedRow(table);
    }
    QCOMPARE(rows, (QList<int>{9, 10, 11, 12, 13, 24, 27, 9}));
    QVERIFY(table->hasFocus());
    QCOMPARE(table->currentIndex().row(), 9);

    // Enter in the search field searches too; the position carries over a new text.
    search->setFocus();
    search->setText(QStringLiteral("7.3"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(SelectedRow(table), 16);
    QVERIFY(dlg.isVisible());

    // A hand-picked row does not move the search position.
    table->selectRow(100);
    search->setText(QString());
    QTest::mouseClick(find, Qt::LeftButton);
    QCOMPARE(SelectedRow(table), 17);
    for (int i = 0; i < 106; ++i) dlg.FindNext();
    QCOMPARE(SelectedRow(table), 123);
    dlg.FindNext();
    QCOMPARE(SelectedRow(table), 0);
  }

  void densityNothingFoundLeavesTheSelection() {
    QWidget owner;
    CDensityDlg dlg(&owner);
    dlg.show();
    auto* table = dlg.findChild<QTableView*>(QStringLiteral("1116"));
    auto* search = dlg.findChild<QLineEdit*>(QStringLiteral("1000"));
    search->setText(QStringLiteral("灰铸铁"));
    dlg.FindNext();
    dlg.FindNext();  // the only hit is the row of the last hit: selected again, no message
    QCOMPARE(SelectedRow(table), 0);
    search->setText(QStringLiteral("铂金"));
    QString caption, text;
    AnswerNextBox(&caption, &text);
    dlg.FindNext();
    QCOMPARE(caption, QStringLiteral("提示"));
    QCOMPARE(text, QStringLiteral("很抱歉，没找到!!"));
    QCOMPARE(SelectedRow(table), 0);
    QCOMPARE(dlg.searchPosition(), 0);
  }

  void densityEscapeKeepsItCloseHidesIt() {
    QWidget owner;
    CDensityDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* search = dlg.findChild<QLineEdit*>(QStringLiteral("1000"));
    search->setText(QStringLiteral("铜"));
    dlg.FindNext();
    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
    QSignalSpy closed(&dlg, &CToolWindow::closedByUser);
    dlg.close();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(closed.count(), 1);
    dlg.show();
    QCOMPARE(search->text(), QStringLiteral("铜"));
    QCOMPARE(SelectedRow(dlg.findChild<QTableView*>(QStringLiteral("1116"))), 9);
    dlg.FindNext();
    QCOMPARE(dlg.searchPosition(), 10);
  }

  void bearingListOpensWithoutSelection() {
    QWidget owner;
    CBearingDlg dlg(&owner);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("轴承查询"));
    auto* list = dlg.findChild<QListView*>(QStringLiteral("1116"));
    auto* kinds = dlg.findChild<QComboBox*>(QStringLiteral("1010"));
    QCOMPARE(list->model()->rowCount(), 2110);
    QCOMPARE(kinds->count(), 13);
    QCOMPARE(kinds->currentIndex(), 0);
    QCOMPARE(kinds->itemText(0), QStringLiteral("全部滚动轴承"));
    QCOMPARE(kinds->itemText(9), QStringLiteral("推力球轴承(GB/T301-1995)"));
    QCOMPARE(dlg.selectedLine(), -1);
    QCOMPARE(dlg.findChild<QPushButton*>(QStringLiteral("1044"))->text(), QStringLiteral("查  询 (下一个)"));
  }

  void bearingSearchFollowsTheSelectionAndSetsTheKind() {
    QWidget owner;
    CBearingDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* search = dlg.findChild<QLineEdit*>(QStringLiteral("1000"));
    auto* kinds = dlg.findChild<QComboBox*>(QStringLiteral("1010"));
    QTest::keyClicks(search, QStringLiteral("6204"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(dlg.selectedLine(), 55);
    QCOMPARE(kinds->currentIndex(), 1);
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("1044")), Qt::LeftButton);
    QCOMPARE(dlg.selectedLine(), 1706);
    QCOMPARE(kinds->currentIndex(), 7);

    search->setText(QStringLiteral("NU202"));
    dlg.FindNext();
    QCOMPARE(dlg.selectedLine(), 350);
    QCOMPARE(kinds->currentText(), QStringLiteral("圆柱滚子轴承(GB/T283-94)"));

    QString caption, text;
    search->setText(QStringLiteral("XYZ-0"));
    AnswerNextBox(&caption, &text);
    dlg.FindNext();
    QCOMPARE(text, QStringLiteral("很抱歉，没找到!!"));
    QCOMPARE(caption, QStringLiteral("提示"));
    QCOMPARE(dlg.selectedLine(), 350);
  }

  void bearingFreshSearchVisitsLineZeroLast() {
    QWidget owner;
    CBearingDlg dlg(&owner);
    auto* search = dlg.findChild<QLineEdit*>(QStringLiteral("1000"));
    search->setText(QStringLiteral("GB/T"));
    dlg.FindNext();
    QCOMPARE(dlg.selectedLine(), 257);
    QCOMPARE(dlg.findChild<QComboBox*>(QStringLiteral("1010"))->currentIndex(), 2);
  }

  void bearingKindListAndClicks() {
    QWidget owner;
    CBearingDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* list = dlg.findChild<QListView*>(QStringLiteral("1116"));
    auto* kinds = dlg.findChild<QComboBox*>(QStringLiteral("1010"));
    ChooseByUser(kinds, 9);
    QCOMPARE(dlg.selectedLine(), 1856);
    QVERIFY(list->visualRect(list->model()->index(1856, 0)).intersects(list->viewport()->rect()));
    ChooseByUser(kinds, 0);
    QCOMPARE(dlg.selectedLine(), 0);
    QCOMPARE(kinds->currentIndex(), 0);
    ChooseByUser(kinds, 1);
    QCOMPARE(dlg.selectedLine(), 0);
    QCOMPARE(kinds->currentIndex(), 1);

    // A click on line 0 leaves the kind list; a click on line 257 sets kind 2.
    ChooseByUser(kinds, 5);
    list->scrollToTop();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(dlg.selectedLine(), 0);
    QCOMPARE(kinds->currentIndex(), 5);
    list->scrollTo(list->model()->index(257, 0), QAbstractItemView::PositionAtTop);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(257, 0)).center());
    QCOMPARE(dlg.selectedLine(), 257);
    QCOMPARE(kinds->currentIndex(), 2);

    // The field shows every heading whole.
    auto* field = qobject_cast<CDropList*>(kinds);
    for (int entry = 0; entry < kinds->count(); ++entry) {
      kinds->setCurrentIndex(entry);
      QCOMPARE(field->ShownText(), kinds->currentText());
    }
  }

  void bearingDoubleClickCopiesTheLineWithItsBlanks() {
    QWidget owner;
    CBearingDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* list = dlg.findChild<QListView*>(QStringLiteral("1116"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    const QPoint at = list->visualRect(list->model()->index(3, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("623    -------   3×10×4      0.002 "));
  }

  // Every character sits in its own cell, so the fields and the caption's words line up: the
  // face fits the cells, a whole line fits the list, the caption starts where the lines do.
  void bearingColumnsLineUp() {
    QWidget owner;
    CBearingDlg dlg(&owner);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* list = dlg.findChild<QListView*>(QStringLiteral("1116"));
    const int unit = dlg.columnUnit();
    const QFontMetrics fm(list->font());
    for (const char* glyph : {"M", "0", "/", "-"}) QVERIFY2(fm.horizontalAdvance(QString::fromUtf8(glyph)) <= unit, glyph);
    for (const char* glyph : {"轴", "×"}) QVERIFY2(fm.horizontalAdvance(QString::fromUtf8(glyph)) <= 2 * unit, glyph);
    int widest = 0;
    for (std::string_view line : BearingLines()) {
      widest = std::max(widest, TextColumns(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))));
    }
    QCOMPARE(widest, 38);
    const int margin = ColumnItemDelegate::TextMargin(list);
    QVERIFY2(list->viewport()->width() >= widest * unit + 2 * margin,
             qPrintable(QStringLiteral("viewport %1, unit %2, margin %3").arg(list->viewport()->width()).arg(unit).arg(margin)));
    QCOMPARE(list->itemDelegate()->sizeHint(QStyleOptionViewItem(), list->model()->index(55, 0)).width(),
             37 * unit + 2 * margin);
    ColumnLabel* caption = nullptr;
    for (ColumnLabel* label : dlg.findChildren<ColumnLabel*>()) caption = label;
    QVERIFY(caption != nullptr);
    QCOMPARE(caption->text(), QStringLiteral("新代号   旧代号   基本尺寸(mm)  重量(kg)  "));
    QCOMPARE(caption->x(), list->x() + list->frameWidth() + margin);
  }
};

QTEST_MAIN(ToolsLookupTest)
#include "test_tools_lookup.moc"
