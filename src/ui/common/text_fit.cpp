// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text_fit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "common/language.h"

namespace zelvik::ui {

namespace {

// The widest line of a text, in the widget's font.
int TextWidth(const QWidget* widget, const QString& text) {
  const QFontMetrics fm = widget->fontMetrics();
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}

int ButtonRoom(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  QStyle::SubElement element = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(button)) element = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(button)) element = QStyle::SE_RadioButtonContents;
  return button->style()->subElementRect(element, &option, button).width();
}

// Room beside a group box's title: the frame's corners and the gap before the title.
constexpr int kGroupTitleMargin = 16;

QList<QWidget*> Children(QWidget* container) {
  QList<QWidget*> out;
  for (QObject* child : container->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w != nullptr && !w->isWindow()) out.append(w);
  }
  return out;
}

}  // namespace

void WidenAt(QWidget* container, int x, int delta) {
  if (delta <= 0) return;
  for (QWidget* child : Children(container)) {
    QRect g = child->geometry();
    if (g.left() >= x) {
      g.translate(delta, 0);
    } else if (g.left() + g.width() >= x) {
      g.setWidth(g.width() + delta);
    } else {
      continue;
    }
    // A fixed width (a page, a window's child) grows with the geometry.
    if (child->minimumWidth() == child->maximumWidth()) child->setFixedWidth(g.width());
    child->setGeometry(g);
  }
  const int width = container->width() + delta;
  if (container->isWindow() || container->minimumWidth() == container->maximumWidth()) {
    container->setFixedWidth(width);
  } else {
    container->resize(width, container->height());
  }
}

int TextOverflow(const QWidget* widget) {
  int text = 0;
  int room = 0;
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText) return 0;
    text = TextWidth(label, label->text());
    room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    if (button->text().isEmpty()) return 0;
    text = TextWidth(button, button->text());
    room = ButtonRoom(button);
  } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
    if (box->title().isEmpty()) return 0;
    text = TextWidth(box, box->title());
    room = box->width() - kGroupTitleMargin;
  }
  return std::max(0, text - room);
}

void FitTexts(QWidget* container) {
  // A layout sizes its widgets itself.
  if (!IsEnglish() || container->layout() != nullptr) return;
  // Left to right, so that a gap opened for one control also serves those it moves.
  QList<QWidget*> children = Children(container);
  std::sort(children.begin(), children.end(),
            [](const QWidget* a, const QWidget* b) { return a->geometry().right() < b->geometry().right(); });
  for (QWidget* child : children) {
    if (const int lack = TextOverflow(child); lack > 0) WidenAt(container, child->geometry().right() + 1, lack);
  }
}

}  // namespace zelvik::ui
