// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/start_in_view.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace zelvik::ui {

namespace {

// QLineEdit's own margin on either side of the text.
constexpr int kTextMargin = 2;

class StartInView : public QObject {
 public:
  explicit StartInView(QLineEdit* field) : QObject(field), field_(field) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &StartInView::Update);
    // Setting the text it already holds moves the cursor to the end without a textChanged.
    connect(field, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
      if (now != 0 && !field_->hasFocus()) field_->setCursorPosition(0);
    });
    Update();
  }

 protected:
  // The tooltip is worked out when asked for, not at every result shown.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || !field_->toolTip().isEmpty()) return QObject::eventFilter(watched, event);
    if (Cut()) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), field_->text(), field_);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }

 private:
  void Update() { field_->setCursorPosition(0); }

  bool Cut() const {
    QStyleOptionFrame option;
    option.initFrom(field_);
    option.lineWidth = field_->hasFrame() ? field_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field_) : 0;
    const QRect text = field_->style()->subElementRect(QStyle::SE_LineEditContents, &option, field_);
    const QMargins margins = field_->textMargins();
    const int room = text.width() - margins.left() - margins.right() - 2 * kTextMargin;
    return field_->fontMetrics().horizontalAdvance(field_->text()) > room;
  }

  QLineEdit* field_;
};

}  // namespace

void KeepStartInView(QLineEdit* field) { new StartInView(field); }

}  // namespace zelvik::ui
