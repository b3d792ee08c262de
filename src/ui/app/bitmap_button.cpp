// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bitmap_button.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace zelvik::ui {

CBitmapButton::CBitmapButton(const QPixmap& face, QWidget* parent) : QAbstractButton(parent), face_(face) {
  setFocusPolicy(Qt::TabFocus);
  setFixedSize(sizeHint());
}

QSize CBitmapButton::sizeHint() const { return face_.size() / face_.devicePixelRatio(); }

void CBitmapButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int shift = isDown() ? 1 : 0;
  painter.drawPixmap(shift, shift, face_);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace zelvik::ui
