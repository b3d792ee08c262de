// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zelvik::ui {

// A button that is nothing but its bitmap (which draws its own border), sized to it;
// pressed, the face moves one pixel down and right.
class CBitmapButton : public QAbstractButton {
  Q_OBJECT

 public:
  CBitmapButton(const QPixmap& face, QWidget* parent);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap face_;
};

}  // namespace zelvik::ui
