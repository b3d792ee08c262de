// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <variant>

namespace zelvik::ui {

// A small table typed like a spreadsheet: a blank row always waits at the end, rows are added
// and deleted, Ctrl+C copies the selected cells as tab-separated text and Ctrl+V pastes rows
// copied from a spreadsheet or a text file.
class CEntryTable : public QTableWidget {
  Q_OBJECT

 public:
  // The rows of pasted text, or why it cannot be read.
  using PasteReader = std::function<std::variant<QList<QStringList>, QString>(const QString& text)>;

  CEntryTable(const QStringList& headers, QWidget* parent);

  void SetPasteReader(PasteReader reader) { reader_ = std::move(reader); }

  // The cells of every row but the blank ones at the end, trimmed; a row's index is its
  // number on screen less one.
  QList<QStringList> Rows() const;
  void SetRows(const QList<QStringList>& rows);

  // A blank row below the current one (or the current one, when blank), its first cell edited.
  void AddRow();
  void DeleteSelectedRows();
  // Pastes the clipboard: one value into the current cell, rows after the last filled row.
  void Paste();
  void CopySelection() const;

 signals:
  void pasteRefused(const QString& reason);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void KeepBlankRowAtEnd();
  bool RowBlank(int row) const;

  PasteReader reader_;
};

// Rows of text split at tabs, commas or semicolons, as spreadsheets copy them.
QList<QStringList> SplitCells(const QString& text);

}  // namespace zelvik::ui
