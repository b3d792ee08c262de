// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "list/list_format.h"
#include "list/material_list.h"
#include "list/spec_resolver.h"
#include "list/weighed_row.h"
#include "tools/cutting_job.h"
#include "tools/tool_window.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class QToolBar;

namespace zelvik::ui {

class CurrentListKeeper;
class CWeightPage;
class ListFileActions;
class ListSummaryModel;
class ListTableModel;

// What the list window takes from the program; tests give their own.
struct ListWindowServices {
  std::function<WeightSettings()> settings;  // the main window's units, places and density
  CustomRowSet customRows;                   // the user's own sizes, as the pages have them
  std::filesystem::path currentPath;         // empty: CurrentListPath()
  std::function<bool(const CuttingJob&)> openCutting;
};

// "材料清单": the rows of a quote, an order or a takeoff with their weights, prices and
// totals. Rows come from the calculators' "重量" buttons (while 收集 is on and the window is
// shown), from the quick entry, from pasted spreadsheet rows and from list files. The list
// is kept in current.csv after every change. The controls are built, and current.csv read,
// when the window is first shown: creating it costs the start nothing.
class CListDlg : public CToolWindow {
  Q_OBJECT

 public:
  CListDlg(QWidget* owner, ListWindowServices services);
  ~CListDlg() override;

  // Rows weighed on the page are collected from now on.
  void CollectFrom(const CWeightPage* page);
  void Collect(const Weighing& weighing);

  // The quick entry's row; false, with the reason beside the fields, when it cannot be read.
  bool AddQuickEntry();
  void PasteText(const QString& text);
  void Paste();
  void CopySelectedRows();
  void DeleteSelectedRows();
  void MoveSelectedRows(int step);  // -1 up, +1 down
  void Undo();
  void Redo();
  void SendToCutting();

  MaterialList& list() { return list_; }
  ListTableModel* model() const { return model_; }
  ListFileActions* files() const { return files_; }
  QTableView* table() const { return table_; }
  // Waits until current.csv holds the list as it is now.
  void FlushCurrentList();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Build();
  QToolBar* BuildToolBar();
  QWidget* BuildQuickEntry();
  void SizeColumns();
  void FitScreen();
  void LoadCurrentList();
  void RefreshDisplay();
  ListDisplay Display() const;
  double Density() const;
  void OnListChanged();
  void RefreshTotals();
  void RefreshCommands();
  void RefreshFileLabel();
  void SaveCurrentList();
  void OnCurrentSaved(bool ok);
  void ShowStatus(const QString& text, bool problem = false);
  std::vector<std::size_t> SelectedRows() const;
  void SelectRows(std::size_t first, std::size_t count);

  ListWindowServices services_;
  MaterialList list_;
  std::unique_ptr<SpecResolver> resolver_;
  bool built_ = false;
  bool keepCurrent_ = true;  // false: current.csv could not be read nor moved aside
  bool saveFailed_ = false;

  ListTableModel* model_ = nullptr;
  ListSummaryModel* summary_ = nullptr;
  ListFileActions* files_ = nullptr;
  CurrentListKeeper* keeper_ = nullptr;
  QTimer* refresh_ = nullptr;  // totals, summary and current.csv once per burst of changes

  QTableView* table_ = nullptr;
  QTableView* summaryTable_ = nullptr;
  QLabel* totals_ = nullptr;
  QCheckBox* collect_ = nullptr;
  QLineEdit* customer_ = nullptr;
  QLineEdit* project_ = nullptr;
  QLineEdit* spec_ = nullptr;
  QLineEdit* length_ = nullptr;
  QLabel* lengthLabel_ = nullptr;
  QLineEdit* quantity_ = nullptr;
  QLabel* entryError_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* remove_ = nullptr;
  QAction* moveUp_ = nullptr;
  QAction* moveDown_ = nullptr;
  QAction* cutting_ = nullptr;
  QAction* copy_ = nullptr;
};

}  // namespace zelvik::ui
