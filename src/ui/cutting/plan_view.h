// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

#include "cut_drawing.h"

namespace zelvik::ui {

// The plan drawn in the window, one row per cutting pattern (in a scroll area); a hint in its
// place while there is none.
class CPlanView : public QWidget {
  Q_OBJECT

 public:
  explicit CPlanView(QWidget* parent);

  // Null clears the drawing.
  void SetSheet(std::shared_ptr<const print::CutSheet> sheet);
  void SetHint(const QString& hint);
  int patternCount() const { return painter_ ? painter_->rows() : 0; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Relayout();
  print::PlanFonts Fonts() const;

  std::shared_ptr<const print::CutSheet> sheet_;
  std::unique_ptr<print::PlanPainter> painter_;
  print::PlanRowMetrics metrics_;
  QString hint_;
};

}  // namespace zelvik::ui
