// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/tool_window.h"

class QComboBox;
class QLineEdit;

namespace zelvik::ui {

// "常用单位换算": converts the value field between two units of one of 23 quantities on every
// keystroke and every change of list. Holds no state beyond its controls.
class CUnitConvertDlg : public CToolWindow {
  Q_OBJECT

 public:
  explicit CUnitConvertDlg(QWidget* owner);

 private:
  void OnQuantityChanged(int index);
  void Convert();

  QComboBox* quantity_ = nullptr;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QLineEdit* value_ = nullptr;
  QLineEdit* result_ = nullptr;
};

}  // namespace zelvik::ui
