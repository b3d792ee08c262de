// SPDX-License-Identifier: GPL-3.0-or-later
// The custom materials window: which fields a type edits, add and delete against the file,
// the list, the restart button and its place in the main window.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "config/gbk.h"
#include "support/main_window_support.h"
#include "support/modal_capture.h"
#include "tools/custom_materials_dlg.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

namespace {

struct Env {
  explicit Env(const std::string& configUtf8 = {}) {
    path = QFile::encodeName(dir.path()).toStdString() + "/ConfigMW.ini";
    if (!configUtf8.empty()) {
      QFile f(QString::fromStdString(path));
      f.open(QIODevice::WriteOnly);
      const std::string gbk = *Utf8ToGbk(configUtf8);
      f.write(gbk.data(), static_cast<qint64>(gbk.size()));
    }
    dlg = std::make_unique<CCustomMaterialsDlg>(nullptr, IniFile(path), [this] { ++restarts; });
  }
  std::string Text() const {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "";
    const QByteArray bytes = f.readAll();
    return GbkToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))).value_or("?");
  }
  template <class W>
  W* C(const char* id) const {
    return dlg->findChild<W*>(QString::fromLatin1(id));
  }
  QStringList Lines() const {
    QStringList lines;
    auto* list = C<QListWidget>("1116");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  void Click(const char* id) { QTest::mouseClick(C<QPushButton>(id), Qt::LeftButton); }
  void Fill(int kind, const QString& model, const QString& specText, const QString& weight) {
    ChooseByUser(C<QComboBox>("1010"), kind);
    C<QLineEdit>("1000")->setText(model);
    C<QLineEdit>("1001")->setText(specText);
    C<QLineEdit>("1002")->setText(weight);
  }

  QTemporaryDir dir;
  std::string path;
  int restarts = 0;
  std::unique_ptr<CCustomMaterialsDlg> dlg;
};

}  // namespace

class CustomMaterialsDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseProgramAppearance(); }

  void loadsRenumbersAndStartsOnAngles() {
    Env e("[八角钢]\n型号1=a\n单重1=1\n型号3=c\n单重3=3\n[槽钢]\n型号1=[20a\n规格1=200×73×7.0\n单重1=22.637\n");
    QCOMPARE(e.dlg->windowTitle(), QStringLiteral("自定义材料"));
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、槽钢(热轧) [20a 200×73×7.0 22.637"), QStringLiteral("2、八角钢 a  1")}));
    QCOMPARE(e.Text(), std::string("[槽钢]\n型号1=[20a\n规格1=200×73×7.0\n单重1=22.637\n[八角钢]\n型号1=a\n单重1=1\n"));
    QCOMPARE(e.C<QComboBox>("1010")->currentText(), QStringLiteral("角钢(热轧)"));
    QCOMPARE(e.C<QComboBox>("1010")->count(), 8);
    QVERIFY(e.C<QLineEdit>("1001")->isReadOnly());
    QVERIFY(!e.C<QLineEdit>("1000")->isReadOnly());
    QVERIFY(!e.C<QLineEdit>("1002")->isReadOnly());
  }

  void onlyChannelsAndIBeamsTakeASpec() {
    Env e;
    e.C<QLineEdit>("1001")->setText(QStringLiteral("stays"));
    for (int kind : {1, 3, 2, 7, 0, 4, 5, 6}) {
      ChooseByUser(e.C<QComboBox>("1010"), kind);
      QCOMPARE(e.C<QLineEdit>("1001")->isReadOnly(), kind != 1 && kind != 2);
      QVERIFY(!e.C<QLineEdit>("1000")->isReadOnly());
      QVERIFY(!e.C<QLineEdit>("1002")->isReadOnly());
      QCOMPARE(e.C<QLineEdit>("1001")->text(), QStringLiteral("stays"));
    }
  }

  void refusedAddsSayWhy() {
    Env e;
    struct Case {
      int kind;
      const char* model;
      const char* spec;
      const char* weight;
      const char* caption;
      const char* text;
    };
    const Case cases[] = {
        {0, "", "", "1", "输入提示", "请输入型号"},
        {1, "[20a", "", "22.637", "输入提示", "请输入规格"},
        {2, "I10", "100×68×4.5", "", "输入提示", "请输入单重"},
    };
    for (const Case& c : cases) {
      e.Fill(c.kind, QString::fromUtf8(c.model), QString::fromUtf8(c.spec), QString::fromUtf8(c.weight));
      ModalSeen seen = RunAnsweringModals([&] { e.Click("1044"); });
      QCOMPARE(seen.title, QString::fromUtf8(c.caption));
      QCOMPARE(seen.text, QString::fromUtf8(c.text));
    }
    QCOMPARE(e.Lines(), QStringList());
    QVERIFY(!QFile::exists(QString::fromStdString(e.path)));
  }

  void addKeepsTheFieldsAndDeleteRenumbers() {
    Env e;
    e.Fill(0, QStringLiteral("∠30×30×2"), QStringLiteral("ignored"), QStringLiteral("0.9"));
    e.Click("1044");
    QCOMPARE(e.Lines(), QStringList{QStringLiteral("1、角钢(热轧) ∠30×30×2  0.9")});
    QCOMPARE(e.Text(), std::string("[角钢]\n型号1=∠30×30×2\n单重1=0.9\n"));
    QCOMPARE(e.C<QLineEdit>("1000")->text(), QStringLiteral("∠30×30×2"));  // ready for a similar row
    e.C<QLineEdit>("1000")->setText(QStringLiteral("∠30×30×3"));
    e.Click("1044");
    e.Fill(6, QStringLiteral("S8"), QString(), QStringLiteral("0.5"));
    e.Click("1044");
    QCOMPARE(e.Lines().size(), 3);

    e.Click("1083");  // nothing selected
    QCOMPARE(e.Lines().size(), 3);
    e.C<QListWidget>("1116")->setCurrentRow(0);
    e.Click("1083");
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、角钢(热轧) ∠30×30×3  0.9"), QStringLiteral("2、八角钢 S8  0.5")}));
    QCOMPARE(e.Text(), std::string("[角钢]\n型号1=∠30×30×3\n单重1=0.9\n[八角钢]\n型号1=S8\n单重1=0.5\n"));
  }

  // Another writer's row survives the window's add and delete; a write that fails is
  // answered, and the list stays what the file holds.
  void anotherWritersRowSurvivesAndAFailedSaveIsReported() {
    Env e;
    e.Fill(0, QStringLiteral("a"), QString(), QStringLiteral("1"));
    e.Click("1044");
    IniFile cli(e.path);
    CustomMaterials other;
    other.LoadAndRefresh(cli);
    other.Add(cli, 0, "cli", "", "2");
    e.Fill(5, QStringLiteral("hex"), QString(), QStringLiteral("3"));
    e.Click("1044");
    e.C<QListWidget>("1116")->setCurrentRow(0);
    e.Click("1083");
    QCOMPARE(e.Lines(), (QStringList{QStringLiteral("1、角钢(热轧) cli  2"), QStringLiteral("2、六角钢 hex  3")}));

    QFile::setPermissions(QString::fromStdString(e.path), QFile::ReadOwner);
    ModalSeen seen = RunAnsweringModals([&] { e.Click("1044"); });
    QCOMPARE(seen.title, QStringLiteral("提示"));
    QCOMPARE(seen.text, QStringLiteral("无法保存到配置文件：") + QString::fromStdString(e.path));
    QCOMPARE(e.Lines().size(), 2);
  }

  void theListScrollsOverItsExtent() {
    Env e;
    e.Fill(4, QStringLiteral("Φ10"), QString(), QStringLiteral("1"));
    e.Click("1044");
    e.dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(e.dlg.get()));
    auto* list = e.C<QListWidget>("1116");
    QScrollBar* bar = list->horizontalScrollBar();
    QCOMPARE(bar->maximum() + list->viewport()->width() >= CCustomMaterialsDlg::kListExtentPx, true);
  }

  void restartButtonRestarts() {
    Env e;
    e.Click("1089");
    QCOMPARE(e.restarts, 1);
    QCOMPARE(e.C<QPushButton>("1089")->text(), QStringLiteral("自定义完成后重新启动本软件！"));
  }

  void livesInTheMainWindow() {
    MainWindowFixture f;
    auto* custom = qobject_cast<CCustomMaterialsDlg*>(f.dlg().toolSlot(ToolKind::kCustom).window);
    QVERIFY(custom != nullptr);
    QVERIFY(!custom->isVisible());
    QAction* entry = f.dlg().toolMenu()->actions().at(6);  // after "规格…"
    QCOMPARE(entry->text(), QStringLiteral("定义材料"));
    QVERIFY(entry->isEnabled());
    entry->trigger();
    QVERIFY(custom->isVisible());
    QCOMPARE(custom->pos().x(), f.dlg().frameGeometry().right() + 1);
    custom->close();  // the close box only hides it
    QVERIFY(!custom->isVisible());
    QCOMPARE(f.dlg().toolSlot(ToolKind::kCustom).window, custom);
  }
};

QTEST_MAIN(CustomMaterialsDlgTest)
#include "test_custom_materials_dlg.moc"
