// SPDX-License-Identifier: GPL-3.0-or-later
// What ties the running program to its installed files: the icon rendered from the same SVG
// as the icon theme's, on the window; the version of the project in the title; a newest
// update-log entry for that version; --help and --version answered without a window system.
#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include "app/about_texts.h"
#include "app/command_line.h"
#include "common/app_icons.h"
#include "project_info.h"
#include "support/main_window_support.h"

using namespace zelvik;
using namespace zelvik::ui;
using namespace zelvik::ui::test;

class AppIdentityTest : public QObject {
  Q_OBJECT

 private slots:
  void iconHasTheThemesSizesUpTo64() {
    const QIcon icon = SteelProfileIcon();
    const QList<QSize> expected = {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    QCOMPARE(icon.availableSizes(), expected);
    for (const QSize& size : expected) {
      const QImage image = icon.pixmap(size).toImage();
      QCOMPARE(image.size(), size);
      // The web of the beam is opaque steel blue, the space beside it transparent.
      const QColor web = image.pixelColor(size.width() / 2, size.height() / 2);
      QCOMPARE(web.alpha(), 255);
      QVERIFY2(web.blue() > web.red(), qPrintable(web.name()));
      QCOMPARE(image.pixelColor(size.width() / 5, size.height() / 2).alpha(), 0);
    }
  }

  void windowCarriesTheIconAndTheProjectVersion() {
    MainWindowFixture fixture;
    QCOMPARE(fixture.dlg().windowIcon().availableSizes(), SteelProfileIcon().availableSizes());
    QCOMPARE(fixture.dlg().windowTitle(), QStringLiteral("ZelvikV") + QLatin1String(kProjectVersion));
    QCOMPARE(fixture.dlg().windowTitle(), QStringLiteral("ZelvikV4.2"));
  }

  // Qt's own dialogs speak the program's language: the task window's file dialog, buttons.
  void qtsOwnTextsAreChinese() {
    UseProgramAppearance();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("文件名称(&N)："));
  }

  void updateLogEndsWithThisVersion() {
    // A new version number needs its own entry in the about box's log.
    const QRegularExpression heading(QStringLiteral("^V([0-9.]+)$"), QRegularExpression::MultilineOption);
    QString last;
    for (auto it = heading.globalMatch(UpdateLogText()); it.hasNext();) last = it.next().captured(1);
    QCOMPARE(last, QLatin1String(kProjectVersion));
  }

  void infoOptionsAnswerWithoutStarting() {
    struct Case {
      std::vector<const char*> args;
      bool answered;
    };
    const Case cases[] = {
        {{"zelvik"}, false},
        {{"zelvik", "--show"}, false},
        {{"zelvik", "-platform", "xcb"}, false},
        {{"zelvik", "--help"}, true},
        {{"zelvik", "-h"}, true},
        {{"zelvik", "--show", "--version"}, true},
    };
    for (const Case& c : cases) {
      std::vector<char*> argv;
      for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
      const auto status = AnswerInfoOption(static_cast<int>(argv.size()), argv.data());
      QCOMPARE(status.has_value(), c.answered);
      if (status) QCOMPARE(*status, 0);
    }
  }
};

QTEST_MAIN(AppIdentityTest)
#include "test_app_identity.moc"
