// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <span>
#include <string_view>

namespace zelvik::ui {

// A read-only list model over fixed UTF-8 lines of the core, shown through CoreText (the
// bearing catalogue's headings): a view asks only for the rows it shows, so a long table costs
// nothing until it is painted.
class StaticLinesModel : public QAbstractListModel {
 public:
  StaticLinesModel(std::span<const std::string_view> lines, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The line as shown.
  QString line(int row) const;

 private:
  std::span<const std::string_view> lines_;
};

}  // namespace zelvik::ui
