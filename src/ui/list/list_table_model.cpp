// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_table_model.h"

#include "common/core_message.h"
#include "common/display_text.h"
#include "list_print.h"

namespace zelvik::ui {

namespace {

constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

ListColumn ColumnOf(int section) { return static_cast<ListColumn>(section); }

}  // namespace

ListTableModel::ListTableModel(MaterialList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {
  list_.SetObserver(this);
}

ListTableModel::~ListTableModel() { list_.SetObserver(nullptr); }

void ListTableModel::SetDisplay(const ListDisplay& display) {
  if (display.decimals == display_.decimals && display.unitSystem == display_.unitSystem) return;
  display_ = display;
  emit headerDataChanged(Qt::Horizontal, 0, kListColumnCount - 1);
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kListColumnCount - 1));
}

bool ListTableModel::EditRows(std::span<const std::size_t> rows, ListColumn column, const QString& text) {
  if (auto why = list_.Edit(rows, column, text.toStdString(), display_)) {
    emit editRefused(CoreMessage(*why));
    return false;
  }
  return true;
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kListColumnCount; }

const RowFigures& ListTableModel::Figures(std::size_t row) const {
  if (row != figuresRow_) {
    figures_ = ComputeRow(list_.at(row));
    figuresRow_ = row;
  }
  return figures_;
}

QString ListTableModel::DisplayText(std::size_t row, ListColumn column) const {
  const ListRow& r = list_.at(row);
  switch (column) {
    case ListColumn::kUnitWeight:
      return QString::fromStdString(FormatRounded(r.item.unitWeight, kUnitWeightDecimals)) + QLatin1Char(' ') +
             UnitText(r.item.unit);
    case ListColumn::kPriceBasis:
      return BasisText(r.basis);
    case ListColumn::kProduct:
    case ListColumn::kSpec:
      return CoreText(CellText(r, Figures(row), row, column, display_));
    default:
      return QString::fromStdString(CellText(r, Figures(row), row, column, display_));
  }
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kListColumnCount) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const ListColumn column = ColumnOf(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return DisplayText(row, column);
    case Qt::EditRole: {
      const ListRow& r = list_.at(row);
      if (column == ListColumn::kPriceBasis) return static_cast<int>(r.basis);
      // What was typed, not its rounding.
      if (column == ListColumn::kPrice) return r.price == 0 ? QString() : QString::fromStdString(FormatExact(r.price));
      return DisplayText(row, column);
    }
    case Qt::TextAlignmentRole:
      if (column == ListColumn::kNo || column == ListColumn::kPriceBasis) return int(Qt::AlignCenter);
      return int((IsNumeric(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole:
      if (column == ListColumn::kProduct || column == ListColumn::kSpec || column == ListColumn::kNote) {
        return DisplayText(row, column);
      }
      return {};
    default:
      return {};
  }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kListColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) return ColumnTitle(ColumnOf(section), display_);
  if (role == Qt::ToolTipRole && IsEditable(ColumnOf(section))) {
    return tr("双击或直接输入以修改；选中多行时一次改所有选中的行");
  }
  return {};
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (!index.isValid()) return f;
  const ListColumn column = ColumnOf(index.column());
  if (IsEditable(column) &&
      (column != ListColumn::kLength || list_.at(static_cast<std::size_t>(index.row())).item.takesLength)) {
    f |= Qt::ItemIsEditable;
  }
  return f;
}

bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const ListColumn column = ColumnOf(index.column());
  QString text = value.toString();
  if (column == ListColumn::kPriceBasis && value.typeId() == QMetaType::Int) {
    const int basis = value.toInt();
    if (basis < 0 || basis >= kPriceBasisCount) return false;
    text = QString::fromUtf8(PriceBasisText(static_cast<PriceBasis>(basis)));
  }
  const std::size_t row = static_cast<std::size_t>(index.row());
  return EditRows(std::span<const std::size_t>(&row, 1), column, text);
}

void ListTableModel::BeforeChange(const ListChange& change) {
  const int first = static_cast<int>(change.first);
  const int last = static_cast<int>(change.first + change.count) - 1;
  switch (change.kind) {
    case ListChange::Kind::kInserted:
      beginInsertRows({}, first, last);
      break;
    case ListChange::Kind::kRemoved:
      beginRemoveRows({}, first, last);
      break;
    case ListChange::Kind::kMoved:
      beginMoveRows({}, first, last, {}, static_cast<int>(change.destination));
      break;
    case ListChange::Kind::kReset:
      beginResetModel();
      break;
    case ListChange::Kind::kChanged:
      break;
  }
}

void ListTableModel::AfterChange(const ListChange& change) {
  figuresRow_ = kNoRow;
  const int first = static_cast<int>(change.first);
  int renumberFrom = -1;  // 序号 follows the position
  switch (change.kind) {
    case ListChange::Kind::kInserted:
      endInsertRows();
      renumberFrom = first + static_cast<int>(change.count);
      break;
    case ListChange::Kind::kRemoved:
      endRemoveRows();
      renumberFrom = first;
      break;
    case ListChange::Kind::kMoved:
      endMoveRows();
      renumberFrom = std::min(first, static_cast<int>(change.destination));
      break;
    case ListChange::Kind::kReset:
      endResetModel();
      break;
    case ListChange::Kind::kChanged:
      emit dataChanged(index(first, 0), index(first, kListColumnCount - 1));
      break;
  }
  if (renumberFrom >= 0 && renumberFrom < rowCount()) {
    const int no = static_cast<int>(ListColumn::kNo);
    emit dataChanged(index(renumberFrom, no), index(rowCount() - 1, no), {Qt::DisplayRole});
  }
  emit listChanged();
}

QString ListTableModel::ColumnTitle(ListColumn column, const ListDisplay& d) { return print::ListColumnTitle(column, d); }

QString ListTableModel::BasisText(PriceBasis basis) { return print::PriceBasisTitle(basis); }

QString ListTableModel::UnitText(const std::string& unit) {
  if (unit == "kg/piece") return tr("kg/件");
  return QString::fromStdString(unit);
}

}  // namespace zelvik::ui
