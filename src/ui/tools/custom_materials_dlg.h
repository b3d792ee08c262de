// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "config/custom_materials.h"
#include "config/ini_file.h"
#include "tools/tool_window.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace zelvik::ui {

class CZelvikDlg;

// "自定义材料": sizes of the user's own for eight size lists of the pages. The pages read
// them at start, so the last button restarts the program.
class CCustomMaterialsDlg : public CToolWindow {
  Q_OBJECT

 public:
  static constexpr int kListExtentPx = 586;

  // restart: what the restart button does (RestartProgram for the real window).
  CCustomMaterialsDlg(QWidget* owner, IniFile config, std::function<void()> restart);

  const CustomMaterials& materials() const { return materials_; }

  void AddRow();
  void DeleteSelectedRow();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void OnTypeChanged(int kind);
  void RefreshList();
  void ShowLastOfKind(int kind);

  IniFile config_;
  std::function<void()> restart_;
  CustomMaterials materials_;

  QComboBox* type_ = nullptr;
  QLineEdit* model_ = nullptr;
  QLineEdit* spec_ = nullptr;
  QLineEdit* unitWeight_ = nullptr;
  QListWidget* list_ = nullptr;
};

// Starts this program again without arguments and ends this copy (see HandOver). If the new
// copy cannot be started, this one stays.
void RestartProgram(CZelvikDlg& main);

}  // namespace zelvik::ui
