// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QString>
#include <QWidget>

namespace zelvik::ui {

// A click area with a hand cursor. Its optional text is blue, red while the mouse is over
// it; the ground is left transparent, so without text it is an invisible click area.
class CHoverLink : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHoverCheckMs = 100;

  explicit CHoverLink(QWidget* parent);

  void setText(const QString& text);
  const QString& text() const { return text_; }
  bool isHovered() const { return hovered_; }

 signals:
  void clicked();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetHovered(bool hovered);

  QString text_;
  bool hovered_ = false;
  bool pressed_ = false;
  QBasicTimer hoverTimer_;
};

}  // namespace zelvik::ui
