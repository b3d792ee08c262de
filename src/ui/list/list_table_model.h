// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <span>
#include <vector>

#include "list/list_format.h"
#include "list/material_list.h"

namespace zelvik::ui {

// The materials list as a table: one row per list row, the list's columns. Every change of
// the list arrives through its observer, so the views update only what changed; figures are
// computed for the rows that are painted, not for the whole list.
class ListTableModel : public QAbstractTableModel, private ListObserver {
  Q_OBJECT

 public:
  explicit ListTableModel(MaterialList& list, QObject* parent = nullptr);
  ~ListTableModel() override;

  MaterialList& list() { return list_; }
  const ListDisplay& display() const { return display_; }
  // Lengths and weights in the main window's units and places.
  void SetDisplay(const ListDisplay& display);

  // One edit of a column in several rows, one undo step; false (and editRefused) when the
  // text does not fit.
  bool EditRows(std::span<const std::size_t> rows, ListColumn column, const QString& text);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  static QString ColumnTitle(ListColumn column, const ListDisplay& display);
  static QString BasisText(PriceBasis basis);
  // A unit weight's unit as the window shows it: "kg/piece" is "kg/件".
  static QString UnitText(const std::string& unit);

 signals:
  // After every change of the rows (edits, inserts, undo, a new list).
  void listChanged();
  void editRefused(const QString& reason);

 private:
  void BeforeChange(const ListChange& change) override;
  void AfterChange(const ListChange& change) override;
  const RowFigures& Figures(std::size_t row) const;
  QString DisplayText(std::size_t row, ListColumn column) const;

  MaterialList& list_;
  ListDisplay display_;
  // The views ask for a row's cells one after another: its figures are worked out once.
  mutable std::size_t figuresRow_ = static_cast<std::size_t>(-1);
  mutable RowFigures figures_;
};

}  // namespace zelvik::ui
