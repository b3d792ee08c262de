// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/entry_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace zelvik::ui {

CEntryTable::CEntryTable(const QStringList& headers, QWidget* parent) : QTableWidget(0, headers.size(), parent) {
  setHorizontalHeaderLabels(headers);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setTabKeyNavigation(true);
  setWordWrap(false);
  connect(this, &QTableWidget::itemChanged, this, [this] { KeepBlankRowAtEnd(); });
  KeepBlankRowAtEnd();
}

bool CEntryTable::RowBlank(int row) const {
  for (int c = 0; c < columnCount(); ++c) {
    const QTableWidgetItem* cell = item(row, c);
    if (cell != nullptr && !cell->text().trimmed().isEmpty()) return false;
  }
  return true;
}

void CEntryTable::KeepBlankRowAtEnd() {
  const QSignalBlocker quiet(this);
  int blanks = 0;
  while (blanks < rowCount() && RowBlank(rowCount() - 1 - blanks)) ++blanks;
  if (blanks == 0) insertRow(rowCount());
  // One blank row is enough; more are taken back, but not one that is being edited.
  for (int r = rowCount() - 1; blanks > 1 && r != currentRow(); --r, --blanks) removeRow(r);
}

QList<QStringList> CEntryTable::Rows() const {
  int last = rowCount();
  while (last > 0 && RowBlank(last - 1)) --last;
  QList<QStringList> rows;
  for (int r = 0; r < last; ++r) {
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c) {
      const QTableWidgetItem* cell = item(r, c);
      cells << (cell != nullptr ? cell->text().trimmed() : QString());
    }
    rows << cells;
  }
  return rows;
}

void CEntryTable::SetRows(const QList<QStringList>& rows) {
  {
    const QSignalBlocker quiet(this);
    setRowCount(0);
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
      for (int c = 0; c < columnCount() && c < rows[r].size(); ++c) setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
  }
  KeepBlankRowAtEnd();
}

void CEntryTable::AddRow() {
  int at = currentRow();
  if (at < 0) {
    at = rowCount() - 1;  // the blank row at the end
  } else if (!RowBlank(at)) {
    const QSignalBlocker quiet(this);
    insertRow(++at);
  }
  setCurrentCell(at, 0);
  QTableWidgetItem* first = item(at, 0);
  if (first == nullptr) {
    const QSignalBlocker quiet(this);
    first = new QTableWidgetItem;
    setItem(at, 0, first);
  }
  editItem(first);
}

void CEntryTable::DeleteSelectedRows() {
  std::set<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && currentRow() >= 0) rows.insert(currentRow());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) removeRow(*it);
  KeepBlankRowAtEnd();
}

void CEntryTable::Paste() {
  const QString text = QApplication::clipboard()->text();
  if (text.trimmed().isEmpty()) return;
  static const QRegularExpression kSeparators(QStringLiteral("[\\t,;\\n，；]"));
  if (!text.trimmed().contains(kSeparators) && currentRow() >= 0 && currentColumn() >= 0) {
    setItem(currentRow(), currentColumn(), new QTableWidgetItem(text.trimmed()));
    return;
  }
  QList<QStringList> pasted;
  if (reader_) {
    auto read = reader_(text);
    if (const auto* reason = std::get_if<QString>(&read)) {
      emit pasteRefused(*reason);
      return;
    }
    pasted = std::get<QList<QStringList>>(std::move(read));
  } else {
    pasted = SplitCells(text);
  }
  QList<QStringList> rows = Rows();
  rows += pasted;
  SetRows(rows);
  setCurrentCell(static_cast<int>(rows.size()), 0);
}

void CEntryTable::CopySelection() const {
  const QModelIndexList cells = selectionModel()->selectedIndexes();
  if (cells.isEmpty()) return;
  int top = rowCount(), bottom = -1, left = columnCount(), right = -1;
  for (const QModelIndex& i : cells) {
    top = std::min(top, i.row());
    bottom = std::max(bottom, i.row());
    left = std::min(left, i.column());
    right = std::max(right, i.column());
  }
  QStringList lines;
  for (int r = top; r <= bottom; ++r) {
    QStringList line;
    for (int c = left; c <= right; ++c) {
      const QTableWidgetItem* cell = item(r, c);
      line << (cell != nullptr && cell->isSelected() ? cell->text() : QString());
    }
    lines << line.join(QLatin1Char('\t'));
  }
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// Copy and paste belong to the table while it has the focus, not to the window's shortcuts.
bool CEntryTable::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
      event->accept();
      return true;
    }
  }
  return QTableWidget::event(event);
}

void CEntryTable::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Paste();
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
    for (QTableWidgetItem* cell : selectedItems()) cell->setText(QString());
    return;
  }
  QTableWidget::keyPressEvent(event);
}

QList<QStringList> SplitCells(const QString& text) {
  static const QRegularExpression kCell(QStringLiteral("[\\t,;，；]"));
  QList<QStringList> rows;
  for (QString line : text.split(QLatin1Char('\n'))) {
    line = line.trimmed();
    if (line.isEmpty()) continue;
    QStringList cells = line.split(kCell);
    for (QString& cell : cells) cell = cell.trimmed();
    rows << cells;
  }
  return rows;
}

}  // namespace zelvik::ui
