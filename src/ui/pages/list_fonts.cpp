// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/list_fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace zelvik::ui {

double AverageCharWidth(const QFont& font) {
  static const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return QFontMetricsF(font).horizontalAdvance(kLetters) / kLetters.size();
}

QFont NarrowListFont(const QFont& pageFont, int pixelHeight, int averageWidth) {
  QFont font(pageFont);
  font.setPixelSize(pixelHeight);
  font.setFixedPitch(false);
  font.setStyleStrategy(QFont::PreferOutline);
  font.setStretch(QFont::Unstretched);
  const double natural = AverageCharWidth(font);
  if (natural > 0) {
    const int stretch = static_cast<int>(std::lround(100.0 * averageWidth / natural));
    font.setStretch(std::clamp(stretch, 1, 4000));
  }
  return font;
}

}  // namespace zelvik::ui
