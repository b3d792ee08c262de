// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/plan_view.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zelvik::ui {

namespace {

constexpr int kMargin = 10;
constexpr int kMinimumWidth = 420;

}  // namespace

CPlanView::CPlanView(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setFocusPolicy(Qt::ClickFocus);
  Relayout();
}

print::PlanFonts CPlanView::Fonts() const {
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.85);
  QFont count = font();
  count.setPointSizeF(font().pointSizeF() * 1.3);
  return {font(), small, count};
}

void CPlanView::SetSheet(std::shared_ptr<const print::CutSheet> sheet) {
  sheet_ = std::move(sheet);
  painter_ = sheet_ ? std::make_unique<print::PlanPainter>(*sheet_, Fonts()) : nullptr;
  Relayout();
  update();
}

void CPlanView::SetHint(const QString& hint) {
  hint_ = hint;
  update();
}

void CPlanView::Relayout() {
  metrics_ = print::PlanPainter::MetricsFor(Fonts(), this);
  const int rows = patternCount();
  setMinimumSize(kMinimumWidth, rows == 0 ? 0 : 2 * kMargin + static_cast<int>(rows * metrics_.total() + 0.5));
}

void CPlanView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange && sheet_) SetSheet(sheet_);
  QWidget::changeEvent(event);
}

void CPlanView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (!painter_) {
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignCenter | Qt::TextWordWrap, hint_);
    return;
  }
  // Only the rows in the damaged area: a plan of a thousand pieces has hundreds.
  const qreal rowHeight = metrics_.total();
  const int first = std::max(0, static_cast<int>((event->rect().top() - kMargin) / rowHeight));
  const int last = std::min(painter_->rows() - 1, static_cast<int>((event->rect().bottom() - kMargin) / rowHeight));
  for (int i = first; i <= last; ++i) {
    const QRectF row(kMargin, kMargin + i * rowHeight, width() - 2 * kMargin, rowHeight);
    painter_->PaintRow(p, i, row, metrics_);
  }
}

}  // namespace zelvik::ui
