// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "list/list_document.h"

namespace zelvik::ui {

// The summary by 品名 + 规格 + 材质 under the list: a few lines, replaced whole.
class ListSummaryModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetLines(std::vector<SummaryLine> lines, const ListDisplay& display);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  static QString ColumnTitle(SummaryColumn column, const ListDisplay& display);

 private:
  std::vector<SummaryLine> lines_;
  ListDisplay display_;
};

}  // namespace zelvik::ui
