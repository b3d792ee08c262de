// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QTableView;

namespace zelvik::ui {

// Edits the list's cells in place: 计价方式 from a list of the four, the others as text.
// An edit made while several rows are selected, the edited one among them, goes to all of
// them as one step (a price for fifty rows at once).
class ListItemDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit ListItemDelegate(QTableView* view);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 private:
  QTableView* view_;
};

}  // namespace zelvik::ui
