// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zelvik::ui {

// "常用材料密度": the 124 material densities with a wrap-around find next over names and
// densities. The search position survives hiding, like the rest of the window.
class CDensityDlg : public CToolWindow {
  Q_OBJECT

 public:
  explicit CDensityDlg(QWidget* owner);

  // Button 1090 and Enter in the search field.
  void FindNext();

  int searchPosition() const { return searchPosition_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTableView* table_ = nullptr;
  QLineEdit* search_ = nullptr;
  QPushButton* find_ = nullptr;
  QLabel* note_ = nullptr;
  int searchPosition_ = -1;  // row of the last hit
  bool symbolFaceSet_ = false;
};

}  // namespace zelvik::ui
