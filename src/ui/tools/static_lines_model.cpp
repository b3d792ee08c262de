// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/static_lines_model.h"

#include "common/display_text.h"

namespace zelvik::ui {

StaticLinesModel::StaticLinesModel(std::span<const std::string_view> lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int StaticLinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant StaticLinesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return line(index.row());
}

QString StaticLinesModel::line(int row) const {
  return CoreText(lines_[static_cast<size_t>(row)]);
}

}  // namespace zelvik::ui
