#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "app/command_line.h"
#include "app/zelvik_dlg.h"
#include "common/appearance.h"
#include "common/startup_probe.h"
#include "config/config_path.h"
#include "platform/single_instance.h"
#include "project_info.h"

int main(int argc, char** argv) {
  if (const auto status = zelvik::ui::AnswerInfoOption(argc, argv)) return *status;
  QApplication app(argc, argv);
  // The window's WM_CLASS ("zelvik") and desktop id tie it to the installed desktop entry.
  QCoreApplication::setApplicationName(QStringLiteral("zelvik"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(zelvik::kProjectVersion));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(zelvik::kAppId));
  zelvik::ui::ApplyAppearance(app);
  app.setQuitOnLastWindowClosed(false);

  const std::filesystem::path exeDir(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  const std::filesystem::path configPath = zelvik::ConfigFilePath(exeDir);

  // A second copy is told, but opens its window all the same.
  zelvik::SingleInstance marker("renwu");
  if (marker.anotherRunning()) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zelvik"), QStringLiteral("该程序已经在运行了!"),
                    QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
  }

  zelvik::ui::CZelvikDlg dialog(configPath, &marker);
  zelvik::ui::InstallStartupProbe(&dialog);
  dialog.show();
  app.exec();
  return 0;
}
