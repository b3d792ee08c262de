#pragma once

#include <QComboBox>

namespace zelvik::ui {

// A drop-down list that shows an item too long for its field shortened with an ellipsis
// instead of cut off; the opened list shows the whole names.
class CDropList : public QComboBox {
  Q_OBJECT

 public:
  explicit CDropList(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvik::ui
