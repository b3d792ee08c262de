#include "common/app_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zelvik::ui {

namespace {

QPixmap IBeamPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  // Flanges a fifth of the height, a web a fifth of the width, with a little margin.
  const qreal s = size;
  const qreal m = s * 0.06;
  const qreal flange = s * 0.2;
  const qreal web = s * 0.22;
  QPainterPath beam;
  beam.setFillRule(Qt::WindingFill);
  beam.addRect(QRectF(m, m, s - 2 * m, flange));
  beam.addRect(QRectF(m, s - m - flange, s - 2 * m, flange));
  beam.addRect(QRectF((s - web) / 2, m + flange - 0.5, web, s - 2 * m - 2 * flange + 1));
  beam = beam.simplified();

  QLinearGradient steel(0, 0, s, s);
  steel.setColorAt(0.0, QColor(150, 190, 225));
  steel.setColorAt(0.5, QColor(70, 130, 180));
  steel.setColorAt(1.0, QColor(35, 75, 120));
  painter.setPen(QPen(QColor(25, 50, 85), s >= 32 ? 1.5 : 1.0));
  painter.setBrush(steel);
  painter.drawPath(beam);
  return pixmap;
}

}  // namespace

QIcon SteelProfileIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(IBeamPixmap(size));
  return icon;
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
