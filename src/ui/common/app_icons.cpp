// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/app_icons.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

// The icons come from a library of their own; naming its initializer keeps the linker from
// dropping it out of a static archive.
static void InitIconResource() { Q_INIT_RESOURCE(zelvik_icons); }

namespace zelvik::ui {

QIcon SteelProfileIcon() {
  // Built once: the application and the main window both ask, and reading the PNGs is a
  // measurable part of start-up. Never destroyed, as an icon must not outlive the application.
  static const QIcon* const icon = [] {
    InitIconResource();
    // Every size rendered from the same SVG as the installed icon theme's files, smallest
    // first: the X11 window icon takes sizes in this order while they fit one request.
    const QDir dir(QStringLiteral(":/app-icon"));
    std::vector<std::pair<int, QString>> files;
    for (const QString& name : dir.entryList({QStringLiteral("zelvik-*.png")}, QDir::Files)) {
      files.emplace_back(name.mid(7).chopped(4).toInt(), dir.filePath(name));
    }
    std::sort(files.begin(), files.end());
    auto* built = new QIcon;
    for (const auto& [size, path] : files) built->addFile(path, QSize(size, size));
    return built;
  }();
  return *icon;
}

QPixmap CalculatorBitmap() {
  constexpr int kSize = 18;
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(QColor(232, 237, 248));
  QPainter painter(&pixmap);

  // Raised border, as a push button has.
  painter.setPen(Qt::white);
  painter.drawLine(0, 0, kSize - 2, 0);
  painter.drawLine(0, 0, 0, kSize - 2);
  painter.setPen(QColor(113, 111, 100));
  painter.drawLine(1, kSize - 2, kSize - 2, kSize - 2);
  painter.drawLine(kSize - 2, 1, kSize - 2, kSize - 2);
  painter.setPen(QColor(64, 64, 64));
  painter.drawLine(0, kSize - 1, kSize - 1, kSize - 1);
  painter.drawLine(kSize - 1, 0, kSize - 1, kSize - 1);

  // Body, display and a three-by-three keypad.
  painter.setPen(QColor(40, 60, 90));
  painter.setBrush(QColor(90, 110, 140));
  painter.drawRect(4, 2, 9, 13);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(190, 230, 200));
  painter.drawRect(6, 4, 6, 3);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      painter.setBrush(row == 2 && col == 2 ? QColor(240, 150, 60) : QColor(235, 235, 235));
      painter.drawRect(6 + col * 2, 8 + row * 2, 1, 1);
    }
  }
  return pixmap;
}

}  // namespace zelvik::ui
