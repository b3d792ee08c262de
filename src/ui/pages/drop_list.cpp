#include "pages/drop_list.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zelvik::ui {

CDropList::CDropList(QWidget* parent) : QComboBox(parent) {}

void CDropList::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  // The style draws the label one pixel inside the field on either side.
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width() - 2);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace zelvik::ui
