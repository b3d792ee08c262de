// SPDX-License-Identifier: GPL-3.0-or-later
// An empty Qt window, started like the program, as the yardstick of the start-up measurement.
// With --text it shows one line of Chinese in the dialog font: the least any window of ours
// costs, since the first Chinese glyph loads a CJK font.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "common/dialog_units.h"
#include "common/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
  QWidget window;
  window.setWindowTitle(QStringLiteral("empty"));
  window.resize(480, 520);
  if (text) {
    window.setFont(zelvik::ui::DialogFont());
    (new QLabel(QStringLiteral("钢板一 角钢(热轧) 型号: 单重: 0.889 kg/m"), &window))->move(10, 10);
  }
  zelvik::ui::InstallStartupProbe(&window);
  window.show();
  return app.exec();
}
