#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/show_request.h"
#include "app/zelvik_dlg.h"
#include "common/appearance.h"
#include "common/startup_probe.h"
#include "config/config_path.h"
#include "platform/single_instance.h"

namespace {

constexpr char kUsage[] =
    "Usage: zelvik [--show]\n"
    "  --show   bring a running copy up (as Super+A does) and exit; start normally when none runs\n"
    "  --help   print this help\n";

// Placement, topmost and the global key need X11: under Wayland run through XWayland.
void PreferX11() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const char* display = std::getenv("DISPLAY");
  if ((platform == nullptr || *platform == '\0') && display != nullptr && *display != '\0') {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool showRequest = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--show") == 0) {
      showRequest = true;
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fprintf(stderr, "zelvik: unknown argument '%s'\n%s", argv[i], kUsage);
      return 2;
    }
  }
  // Before any window: a running copy comes up, and this one is done.
  if (showRequest && zelvik::ui::ShowRequests::SendToRunningCopy()) return 0;

  PreferX11();
  QApplication app(argc, argv);
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
