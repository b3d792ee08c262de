// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace zelvik::ui {

// The program's dialog font: a 9-point face with Chinese glyphs.
QFont DialogFont();

// Converts dialog units to pixels with the metrics of a font (horizontal: average
// character width / 4, vertical: height / 8), so windows keep their proportions
// whatever the font.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int X(int dlu) const;
  int Y(int dlu) const;
  QRect Rect(int x, int y, int width, int height) const;

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }

 private:
  int baseX_;
  int baseY_;
};

// Puts a control at its place and gives it its control id as object name (none when id is
// null), by which tests find it.
template <class W>
W* Place(W* widget, const char* id, const QRect& rect) {
  if (id != nullptr) widget->setObjectName(QString::fromLatin1(id));
  widget->setGeometry(rect);
  return widget;
}

}  // namespace zelvik::ui
