// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/tool_window.h"

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;

namespace zelvik::ui {

class ColumnLabel;
class StaticLinesModel;

// "轴承查询": the bearing catalogue in one list, with find next from the selection, a kind list
// that jumps to a kind's heading and follows the selection, and a double-click that copies
// the line. The list is never filtered.
class CBearingDlg : public CToolWindow {
  Q_OBJECT

 public:
  explicit CBearingDlg(QWidget* owner);

  // Button 1044 and Enter in the search field.
  void FindNext();
  // The selected line, or -1.
  int selectedLine() const;
  // Pixels of one column of the catalogue's layout.
  int columnUnit() const { return unit_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SelectLine(int line);
  void OnKindChosen(int entry);
  void OnLineSelected(int line);
  void CopyLine(int line);

  QListView* list_ = nullptr;
  StaticLinesModel* model_ = nullptr;
  QLineEdit* search_ = nullptr;
  QPushButton* find_ = nullptr;
  QComboBox* kinds_ = nullptr;
  ColumnLabel* caption_ = nullptr;
  int unit_ = 1;
  bool columnFontSet_ = false;
};

}  // namespace zelvik::ui
