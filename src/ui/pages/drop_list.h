// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace zelvik::ui {

// A drop-down list that shows an item too long for its field shortened with an ellipsis
// instead of cut off, and then whole as its tooltip; the opened list shows the whole names.
class CDropList : public QComboBox {
  Q_OBJECT

 public:
  explicit CDropList(QWidget* parent);

  // A unit's label ends in its symbol in brackets ("立方分米(升) (dm^3/L/l)"): shortened, the
  // name gives way and the symbol stays whole.
  void KeepUnitSymbol(bool keep);
  // The current item's text as the field shows it.
  QString ShownText() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool keepSymbol_ = false;
};

}  // namespace zelvik::ui
