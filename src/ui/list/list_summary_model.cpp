// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_summary_model.h"

#include "common/display_text.h"
#include "list_print.h"

namespace zelvik::ui {

namespace {

bool IsNumber(SummaryColumn column) {
  return column == SummaryColumn::kPieces || column == SummaryColumn::kLengthM || column == SummaryColumn::kTotalKg ||
         column == SummaryColumn::kAmount;
}

}  // namespace

void ListSummaryModel::SetLines(std::vector<SummaryLine> lines, const ListDisplay& display) {
  const bool headers = display.unitSystem != display_.unitSystem;
  beginResetModel();
  lines_ = std::move(lines);
  display_ = display;
  endResetModel();
  if (headers) emit headerDataChanged(Qt::Horizontal, 0, kSummaryColumnCount - 1);
}

int ListSummaryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int ListSummaryModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kSummaryColumnCount;
}

QVariant ListSummaryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto column = static_cast<SummaryColumn>(index.column());
  if (role == Qt::DisplayRole) {
    const std::string text = SummaryCellText(lines_[static_cast<std::size_t>(index.row())], column, display_);
    if (column == SummaryColumn::kProduct || column == SummaryColumn::kSpec) return CoreText(text);
    return QString::fromStdString(text);
  }
  if (role == Qt::TextAlignmentRole) return int((IsNumber(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  return {};
}

QVariant ListSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kSummaryColumnCount) {
    return ColumnTitle(static_cast<SummaryColumn>(section), display_);
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

QString ListSummaryModel::ColumnTitle(SummaryColumn column, const ListDisplay& d) {
  return print::SummaryColumnTitle(column, d);
}

}  // namespace zelvik::ui
