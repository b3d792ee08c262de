// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/hover_link.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

namespace zelvik::ui {

CHoverLink::CHoverLink(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
}

void CHoverLink::setText(const QString& text) {
  text_ = text;
  update();
}

void CHoverLink::SetHovered(bool hovered) {
  if (hovered == hovered_) return;
  hovered_ = hovered;
  if (hovered) {
    hoverTimer_.start(kHoverCheckMs, this);
  } else {
    hoverTimer_.stop();
  }
  update();
}

void CHoverLink::mouseMoveEvent(QMouseEvent* event) {
  SetHovered(rect().contains(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

// A leave can go unreported (a window opening over the area, a grab elsewhere): the timer
// then notices the mouse is gone.
void CHoverLink::leaveEvent(QEvent* event) {
  SetHovered(false);
  QWidget::leaveEvent(event);
}

void CHoverLink::timerEvent(QTimerEvent* event) {
  if (event->timerId() != hoverTimer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  if (!isVisible() || !rect().contains(mapFromGlobal(QCursor::pos()))) SetHovered(false);
}

void CHoverLink::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void CHoverLink::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

void CHoverLink::paintEvent(QPaintEvent*) {
  if (text_.isEmpty()) return;
  QPainter p(this);
  p.setPen(hovered_ ? QColor(255, 0, 0) : QColor(0, 0, 238));
  p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

}  // namespace zelvik::ui
