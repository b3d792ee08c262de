// SPDX-License-Identifier: GPL-3.0-or-later
// The materials list window's wiring: what reaches the list from the calculators, the quick
// entry, the clipboard and current.csv, and what goes out to the clipboard and the cutting
// plan. The rules of the rows themselves are the core's.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "list/list_dlg.h"
#include "list/list_file_actions.h"
#include "list/list_table_model.h"
#include "support/main_window_support.h"
#include "support/modal_capture.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

// A list window of its own, kg;mm at two places, its current.csv in a folder of the test.
struct ListFixture {
  explicit ListFixture(const QString& folder, WeightSettings settings = {kUnitKgMm, 2, 7.85}) {
    ListWindowServices services;
    services.settings = [this] { return this->settings; };
    services.currentPath = QFile::encodeName(folder + QStringLiteral("/current.csv")).toStdString();
    services.openCutting = [this](const CuttingJob& job) {
      jobs.push_back(job);
      return true;
    };
    this->settings = settings;
    dlg = std::make_unique<CListDlg>(&owner, std::move(services));
    dlg->show();
  }
  template <class W>
  W* Find(const char* name) const {
    return dlg->findChild<W*>(QString::fromLatin1(name));
  }
  QString Cell(int row, ListColumn column) const {
    return dlg->model()->index(row, static_cast<int>(column)).data().toString();
  }
  QString Totals() const { return Find<QLabel>("list.totals")->text(); }
  void SelectAll() { dlg->table()->selectAll(); }
  void Select(std::initializer_list<int> rows) {
    QItemSelectionModel* s = dlg->table()->selectionModel();
    s->clearSelection();
    for (int r : rows) s->select(dlg->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  WeightSettings settings;
  QWidget owner;
  std::unique_ptr<CListDlg> dlg;
  std::vector<CuttingJob> jobs;
};

void Type(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

}  // namespace

class ListDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    UseProgramAppearance();
    QVERIFY(data_.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
  }

  // The "重量" buttons feed the list while it is shown and 收集 is on; the strip is as before.
  void collectsTheWeightButtons() {
    MainWindowFixture f;
    auto* list = qobject_cast<CListDlg*>(f.dlg().toolSlot(ToolKind::kList).window);
    QVERIFY(list != nullptr);
    QVERIFY(f.dlg().toolCommand(ToolKind::kList)->isEnabled());
    f.OnPage<QLineEdit>(0, "1000")->setText(QStringLiteral("1000"));
    f.OnPage<QLineEdit>(0, "1001")->setText(QStringLiteral("1000"));
    f.OnPage<QLineEdit>(0, "1002")->setText(QStringLiteral("1"));
    f.OnPage<QLineEdit>(0, "1005")->setText(QStringLiteral("1000000"));
    f.OnPage<QLineEdit>(0, "1006")->setText(QStringLiteral("2"));
    f.OnPage<QLineEdit>(0, "1011")->setText(QStringLiteral("6000"));
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1089"), Qt::LeftButton);  // hidden: nothing collected

    f.dlg().ShowToolWindow(ToolKind::kList);
    QVERIFY(list->isVisible());
    QCOMPARE(list->list().size(), std::size_t{0});
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1089"), Qt::LeftButton);  // plate one
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1090"), Qt::LeftButton);  // plate two: by area, refused
    QVERIFY(list->findChild<QLabel*>(QStringLiteral("list.status"))->text().contains(QStringLiteral("面积")));
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1091"), Qt::LeftButton);  // the angle at 6000 mm
    QCOMPARE(list->list().size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(list->list().at(0).item.spec), QStringLiteral("-1×1000×1000"));
    QCOMPARE(list->list().at(1).lengthMm, 6000.0);
    QCOMPARE(list->model()->index(1, static_cast<int>(ListColumn::kTotalKg)).data().toString(), QStringLiteral("5.33"));
    QCOMPARE(f.Main<QLineEdit>("1047")->text(), QStringLiteral("7.85+7.85+15.7+5.33"));

    list->findChild<QCheckBox*>(QStringLiteral("list.collect"))->click();
    QTest::mouseClick(f.OnPage<QPushButton>(0, "1091"), Qt::LeftButton);
    QCOMPARE(list->list().size(), std::size_t{2});
    list->FlushCurrentList();
  }

  // Enter in the quick entry adds its row; a spec the parser refuses is said beside the
  // fields and adds nothing. Paste adds what it reads as one step and lists the rest at once.
  void quickEntryPasteUndoAndCopy() {
    QTemporaryDir dir;
    ListFixture f(dir.path());
    Type(f.Find<QLineEdit>("list.spec"), QStringLiteral("L50x5"));
    Type(f.Find<QLineEdit>("list.length"), QStringLiteral("6000"));
    Type(f.Find<QLineEdit>("list.quantity"), QStringLiteral("10"));
    QTest::keyClick(f.Find<QLineEdit>("list.quantity"), Qt::Key_Return);
    QCOMPARE(f.dlg->list().size(), std::size_t{1});
    QCOMPARE(f.Cell(0, ListColumn::kSpec), QStringLiteral("∠50×50×5"));
    QCOMPARE(f.Cell(0, ListColumn::kTotalKg), QStringLiteral("226.20"));
    QTRY_VERIFY(f.Totals().contains(QStringLiteral("10 件")));  // once per burst of changes

    Type(f.Find<QLineEdit>("list.spec"), QStringLiteral("L7x7x7"));
    QTest::keyClick(f.Find<QLineEdit>("list.spec"), Qt::Key_Return);
    QVERIFY(!f.Find<QLabel>("list.entryError")->text().isEmpty());
    QCOMPARE(f.dlg->list().size(), std::size_t{1});

    const ModalSeen seen = RunAnsweringModals([&] {
      f.dlg->PasteText(QStringLiteral("规格\t长度\t数量\n[20a\t9000\t2\nL7x7x7\t1000\t1\n螺母M20\t\t100\n"));
    });
    QCOMPARE(seen.count, 1);
    QVERIFY2(seen.text.contains(QStringLiteral("第 3 行")), qPrintable(seen.text));
    QCOMPARE(f.dlg->list().size(), std::size_t{3});
    QCOMPARE(f.Cell(2, ListColumn::kUnitWeight).right(4), QStringLiteral("kg/件").right(4));

    // A price typed into one cell recomputes its amount and the totals at once.
    QVERIFY(f.dlg->model()->setData(f.dlg->model()->index(0, static_cast<int>(ListColumn::kPrice)), QStringLiteral("4200"),
                                    Qt::EditRole));
    QCOMPARE(f.Cell(0, ListColumn::kAmount), QStringLiteral("950.04"));
    QTRY_VERIFY2(f.Totals().contains(QStringLiteral("950.04 元")), qPrintable(f.Totals()));

    f.dlg->Undo();  // the price
    f.dlg->Undo();  // the whole paste
    QCOMPARE(f.dlg->list().size(), std::size_t{1});
    QVERIFY(f.Cell(0, ListColumn::kAmount).isEmpty());
    f.dlg->Redo();
    QCOMPARE(f.dlg->list().size(), std::size_t{3});

    f.Select({0, 1});
    f.dlg->CopySelectedRows();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(QStringLiteral("序号\t品名\t规格")));
    QVERIFY(lines[2].contains(QStringLiteral("[20a")));

    f.Select({1});
    f.dlg->MoveSelectedRows(-1);
    QCOMPARE(f.Cell(0, ListColumn::kSpec), QStringLiteral("[20a"));
    QCOMPARE(f.Cell(0, ListColumn::kNo), QStringLiteral("1"));
    f.dlg->DeleteSelectedRows();
    QCOMPARE(f.dlg->list().size(), std::size_t{2});
  }

  // Units follow the main window; the list keeps millimetres.
  void lengthsInTheMainWindowsUnits() {
    QTemporaryDir dir;
    ListFixture f(dir.path(), {kUnitKgM, 3, 7.85});
    Type(f.Find<QLineEdit>("list.spec"), QStringLiteral("L50x5"));
    Type(f.Find<QLineEdit>("list.length"), QStringLiteral("6.5"));
    QVERIFY(f.dlg->AddQuickEntry());
    QCOMPARE(f.dlg->list().at(0).lengthMm, 6500.0);
    QCOMPARE(f.dlg->model()->headerData(static_cast<int>(ListColumn::kLength), Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("长度(m)"));
    QCOMPARE(f.Cell(0, ListColumn::kLength), QStringLiteral("6.5"));
    QCOMPARE(f.Cell(0, ListColumn::kPieceKg), QStringLiteral("24.505"));
  }

  // current.csv holds every change and comes back at the next start; one that cannot be
  // read is moved aside, not written over; a list file that cannot be read changes nothing.
  void theCurrentListIsKept() {
    QTemporaryDir dir;
    {
      ListFixture f(dir.path());
      f.dlg->PasteText(QStringLiteral("L50x5\t6000\t3\nΦ108x4\t6000\t1\n"));
      f.dlg->FlushCurrentList();
    }
    {
      ListFixture again(dir.path());
      QCOMPARE(again.dlg->list().size(), std::size_t{2});
      QCOMPARE(again.Cell(1, ListColumn::kSpec), QStringLiteral("Φ108×4"));
      QVERIFY(!again.dlg->list().CanUndo());  // read back, not done

      const QString bad = dir.filePath(QStringLiteral("bad.csv"));
      QFile file(bad);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("规格,长度,数量\nL50x5,6000,3\nL7x7x7,1,1\n");
      file.close();
      const ModalSeen seen = RunAnsweringModals([&] { QVERIFY(!again.dlg->files()->OpenFile(bad)); });
      QVERIFY2(seen.text.contains(QStringLiteral("第 3 行")), qPrintable(seen.text));
      QCOMPARE(again.dlg->list().size(), std::size_t{2});
    }
    QFile current(dir.filePath(QStringLiteral("current.csv")));
    QVERIFY(current.open(QIODevice::WriteOnly | QIODevice::Truncate));
    current.write("\xff\xfe garbage");
    current.close();
    ModalSeen seen;
    std::unique_ptr<ListFixture> third;
    seen = RunAnsweringModals([&] {
      third = std::make_unique<ListFixture>(dir.path());
      QTest::qWait(50);
    });
    QCOMPARE(seen.count, 1);
    QCOMPARE(third->dlg->list().size(), std::size_t{0});
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("current.unreadable.csv"))));
  }

  // An edit with several rows selected reaches all of them; one the core refuses is said and
  // changes nothing.
  void editsInPlace() {
    QTemporaryDir dir;
    ListFixture f(dir.path());
    f.dlg->PasteText(QStringLiteral("L50x5\t6000\t10\n[20a\t9000\t2\n螺母M20\t\t100\n"));
    f.Select({0, 1});
    const QModelIndex price = f.dlg->model()->index(0, static_cast<int>(ListColumn::kPrice));
    QLineEdit typed(QStringLiteral("4200"));
    f.dlg->table()->itemDelegate()->setModelData(&typed, f.dlg->model(), price);
    QCOMPARE(f.Cell(0, ListColumn::kPrice), QStringLiteral("4200.00"));
    QCOMPARE(f.Cell(1, ListColumn::kPrice), QStringLiteral("4200.00"));
    QVERIFY(f.Cell(2, ListColumn::kPrice).isEmpty());
    f.dlg->Undo();  // both at once
    QVERIFY(f.Cell(0, ListColumn::kPrice).isEmpty() && f.Cell(1, ListColumn::kPrice).isEmpty());

    // 元/米 for a nut, which has no length.
    const QModelIndex basis = f.dlg->model()->index(2, static_cast<int>(ListColumn::kPriceBasis));
    const ModalSeen seen = RunAnsweringModals([&] { QVERIFY(!f.dlg->model()->setData(basis, 2, Qt::EditRole)); });
    QCOMPARE(seen.count, 1);
    QCOMPARE(f.Cell(2, ListColumn::kPriceBasis), QStringLiteral("元/吨"));
    QVERIFY(!(f.dlg->model()->flags(f.dlg->model()->index(2, static_cast<int>(ListColumn::kLength))) &
              Qt::ItemIsEditable));
  }

  // Save (a file that cannot be written is said), 新建 taken back by 撤销, the exports.
  void filesOut() {
    QTemporaryDir dir;
    ListFixture f(dir.path());
    f.Find<QLineEdit>("list.customer")->setText(QStringLiteral("华东钢构"));
    f.dlg->PasteText(QStringLiteral("L50x5\t6000\t10\tQ235B\t4200\n"));
    const QString csv = dir.filePath(QStringLiteral("quote.csv"));
    QVERIFY(f.dlg->files()->SaveTo(csv));
    QCOMPARE(f.dlg->files()->filePath(), csv);
    QVERIFY(f.dlg->list().IsClean());
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("\xEF\xBB\xBF序号,品名,规格"));
    const ModalSeen refused =
        RunAnsweringModals([&] { QVERIFY(!f.dlg->files()->SaveTo(csv + QStringLiteral("/inside-a-file.csv"))); });
    QCOMPARE(refused.count, 1);
    QCOMPARE(f.dlg->files()->filePath(), csv);

    f.dlg->files()->New();
    QCOMPARE(f.dlg->list().size(), std::size_t{0});
    QVERIFY(f.dlg->files()->filePath().isEmpty());
    f.dlg->Undo();
    QCOMPARE(f.dlg->list().size(), std::size_t{1});

    for (const char* name : {"quote.xlsx", "quote.pdf"}) {
      const QString path = dir.filePath(QString::fromLatin1(name));
      QVERIFY(path.endsWith(QStringLiteral("xlsx")) ? f.dlg->files()->ExportXlsxTo(path) : f.dlg->files()->ExportPdfTo(path));
      QFile out(path);
      QVERIFY(out.open(QIODevice::ReadOnly));
      QVERIFY(out.read(4) == (path.endsWith(QStringLiteral("xlsx")) ? QByteArray("PK\x03\x04") : QByteArray("%PDF")));
    }
  }

  // 下料优化 takes the selected rows of one spec, and only of one.
  void cuttingTakesOneSpec() {
    QTemporaryDir dir;
    ListFixture f(dir.path());
    f.dlg->PasteText(QStringLiteral("L50x5\t2350\t14\nL50x5\t1780\t9\n[20a\t6000\t1\n"));
    f.Select({0, 2});
    const ModalSeen seen = RunAnsweringModals([&] { f.dlg->SendToCutting(); });
    QCOMPARE(seen.count, 1);
    QVERIFY(f.jobs.empty());
    f.Select({0, 1});
    f.dlg->SendToCutting();
    QCOMPARE(f.jobs.size(), std::size_t{1});
    QCOMPARE(f.jobs[0].spec, QStringLiteral("∠50×50×5"));
    QCOMPARE(f.jobs[0].pieces.size(), std::size_t{2});
    QCOMPARE(f.jobs[0].pieces[1].lengthMm, 1780.0);
    QCOMPARE(f.jobs[0].pieces[1].quantity, 9);
  }

 private:
  QTemporaryDir data_;
};

QTEST_MAIN(ListDlgTest)
#include "test_list_dlg.moc"
