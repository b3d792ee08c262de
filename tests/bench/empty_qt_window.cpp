// An empty Qt window, started like the program, as the yardstick of the start-up measurement.
#include <QApplication>
#include <QWidget>

#include "common/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("empty"));
  window.resize(480, 520);
  zelvik::ui::InstallStartupProbe(&window);
  window.show();
  return app.exec();
}
