// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <cstring>

#include "app/command_line.h"
#include "app/instance_marker.h"
#include "app/zelvik_dlg.h"
#include "common/appearance.h"
#include "common/language.h"
#include "common/message_box.h"
#include "common/startup_probe.h"
#include "config/config_path.h"
#include "project_info.h"

namespace {

// Placement, topmost and the global key need X11: under Wayland run through XWayland.
void PreferX11() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const char* display = std::getenv("DISPLAY");
  if ((platform == nullptr || *platform == '\0') && display != nullptr && *display != '\0') {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
}

bool AskedToShow(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--show") == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = zelvik::ui::AnswerInfoOption(argc, argv)) return *status;
  std::optional<zelvik::ui::Language> language;
  if (const auto status = zelvik::ui::ReadLanguageOption(argc, argv, &language)) return *status;
  // Before any window: a running copy comes up, and this one is done.
  const bool show = AskedToShow(argc, argv);
  if (show && zelvik::ui::InstanceMarker::SendShow()) return 0;

  PreferX11();
  QApplication app(argc, argv);
  // The window's WM_CLASS ("zelvik") and desktop id tie it to the installed desktop entry.
  QCoreApplication::setApplicationName(QStringLiteral("zelvik"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(zelvik::kProjectVersion));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(zelvik::kAppId));
  zelvik::ui::ApplyAppearance(app);
  zelvik::ui::InstallLanguage(app, language.value_or(zelvik::ui::LanguageFromEnvironment()));
  app.setQuitOnLastWindowClosed(false);

  const std::filesystem::path exeDir(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  const std::filesystem::path configPath = zelvik::ConfigFilePath(exeDir);

  // A second copy is told, but opens its window all the same.
  zelvik::ui::InstanceMarker marker;
  if (marker.anotherRunning()) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zelvik"),
                    QCoreApplication::translate("zelvik::ui::Main", "该程序已经在运行了!"), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(zelvik::ui::OkText());
    zelvik::ui::FitCaption(&box);
    box.exec();
  }

  zelvik::ui::CZelvikDlg dialog(configPath, &marker);
  zelvik::ui::InstallStartupProbe(&dialog);
  dialog.show();
  app.exec();
  return 0;
}
