// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/drop_list.h"

#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace zelvik::ui {

CDropList::CDropList(QWidget* parent) : QComboBox(parent) {}

void CDropList::KeepUnitSymbol(bool keep) {
  keepSymbol_ = keep;
  update();
}

QString CDropList::ShownText() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  // The style draws the label one pixel inside the field on either side.
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const int room = field.width() - 2;
  const QString& text = option.currentText;
  const QFontMetrics metrics = fontMetrics();
  qsizetype symbol = keepSymbol_ ? text.lastIndexOf(QLatin1Char('(')) : -1;
  if (symbol > 0 && text.at(symbol - 1) == QLatin1Char(' ')) --symbol;
  if (metrics.horizontalAdvance(text) <= room || symbol <= 0) return metrics.elidedText(text, Qt::ElideRight, room);
  const QString tail = text.mid(symbol);
  const int nameRoom = room - metrics.horizontalAdvance(tail);
  if (nameRoom < metrics.horizontalAdvance(QStringLiteral("…")) * 2) return metrics.elidedText(text, Qt::ElideLeft, room);
  return metrics.elidedText(text.left(symbol), Qt::ElideRight, nameRoom) + tail;
}

void CDropList::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  option.currentText = ShownText();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

// Worked out when asked for, not at every change of the item: the pages fill and set many
// lists while the program starts.
bool CDropList::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !toolTip().isEmpty()) return QComboBox::event(event);
  const QString text = currentText();
  if (ShownText() != text) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace zelvik::ui
