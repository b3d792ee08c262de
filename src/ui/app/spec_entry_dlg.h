// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

#include "spec/spec_parse.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTabWidget;

namespace zelvik::ui {

class SpecTarget;

// The quick entry behind Ctrl+L and "规格…": a spec string typed ("L50×5", "Φ108×4") shows
// its calculator's page with the size chosen or the dimensions filled, the focus in the
// length field. What the text cannot mean is said in the box, with the closest sizes.
class CSpecEntryDlg : public QDialog {
  Q_OBJECT

 public:
  // The page on a tab, null while it is not built yet (pages two and three come after the first
  // paint); rows: the user-defined sizes the pages list.
  using PageAt = std::function<SpecTarget*(size_t tab)>;
  CSpecEntryDlg(QWidget* mainWindow, QTabWidget* tabs, PageAt pageAt, const CustomRowSet* rows);

  // The command: first in the tool menu, Ctrl+L anywhere in the main window.
  static QAction* Install(QWidget* mainWindow, QMenu* toolMenu, QTabWidget* tabs, PageAt pageAt,
                          const CustomRowSet* rows);

  // Shows the box over the main window with its text selected.
  void Open();

 private:
  void ShowReading();
  void Apply();
  void Choose(const QString& text);

  QWidget* mainWindow_;
  QTabWidget* tabs_;
  PageAt pageAt_;
  const CustomRowSet* rows_;
  QLineEdit* text_ = nullptr;
  QLabel* reading_ = nullptr;
  QListWidget* candidates_ = nullptr;
};

}  // namespace zelvik::ui
