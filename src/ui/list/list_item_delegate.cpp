// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_item_delegate.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>
#include <vector>

#include "list/list_table_model.h"

namespace zelvik::ui {

namespace {

bool IsBasis(const QModelIndex& index) { return index.column() == static_cast<int>(ListColumn::kPriceBasis); }

}  // namespace

ListItemDelegate::ListItemDelegate(QTableView* view) : QStyledItemDelegate(view), view_(view) {}

QWidget* ListItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  if (!IsBasis(index)) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* combo = new QComboBox(parent);
  for (int b = 0; b < kPriceBasisCount; ++b) combo->addItem(ListTableModel::BasisText(static_cast<PriceBasis>(b)));
  // A choice is the whole edit.
  connect(combo, &QComboBox::activated, this, [this, combo] {
    auto* self = const_cast<ListItemDelegate*>(this);
    emit self->commitData(combo);
    emit self->closeEditor(combo);
  });
  return combo;
}

void ListItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor); combo && IsBasis(index)) {
    combo->setCurrentIndex(index.data(Qt::EditRole).toInt());
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void ListItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* list = qobject_cast<ListTableModel*>(model);
  if (list == nullptr) return QStyledItemDelegate::setModelData(editor, model, index);
  QString text;
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    const int basis = combo->currentIndex();
    if (basis < 0 || basis >= kPriceBasisCount) return;
    text = QString::fromUtf8(PriceBasisText(static_cast<PriceBasis>(basis)));
  } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    text = line->text();
  } else {
    return QStyledItemDelegate::setModelData(editor, model, index);
  }
  std::vector<std::size_t> rows;
  const QModelIndexList selected = view_->selectionModel()->selectedRows();
  const bool inSelection = std::any_of(selected.begin(), selected.end(),
                                       [&](const QModelIndex& s) { return s.row() == index.row(); });
  if (inSelection) {
    for (const QModelIndex& s : selected) rows.push_back(static_cast<std::size_t>(s.row()));
    std::sort(rows.begin(), rows.end());
  } else {
    rows.push_back(static_cast<std::size_t>(index.row()));
  }
  // A row without a length keeps its empty 长度 when several are edited together.
  if (index.column() == static_cast<int>(ListColumn::kLength) && rows.size() > 1) {
    std::erase_if(rows, [&](std::size_t r) { return !list->list().at(r).item.takesLength; });
  }
  list->EditRows(rows, static_cast<ListColumn>(index.column()), text);
}

}  // namespace zelvik::ui
