// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/compact_combo.h"

#include <QComboBox>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <algorithm>

namespace zelvik::ui {

namespace {

class CompactComboStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                       const QWidget* widget) const override {
    if (cc == CC_ComboBox && (sc == SC_ComboBoxArrow || sc == SC_ComboBoxEditField)) {
      const QRect r = opt->rect;
      const int arrow = std::clamp(r.height() / 2 + 2, 10, 16);
      const QRect rect = sc == SC_ComboBoxArrow
                             ? QRect(r.right() - arrow + 1, r.top(), arrow, r.height())
                             : QRect(r.left() + 3, r.top() + 2, r.width() - arrow - 4, r.height() - 4);
      return visualRect(opt->direction, r, rect);
    }
    return QProxyStyle::subControlRect(cc, opt, sc, widget);
  }
};

}  // namespace

void UseCompactArrow(QComboBox* list) {
  // One style for every such list; styles must outlive the widgets that use them.
  static CompactComboStyle* const style = new CompactComboStyle;
  list->setStyle(style);
}

}  // namespace zelvik::ui
