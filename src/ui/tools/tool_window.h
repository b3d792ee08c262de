// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace zelvik::ui {

// The tool windows, in the order the main window creates them.
enum class ToolKind {
  kWeldPipe,     // "焊管尺寸"
  kDensity,      // "材料密度"
  kUnitConvert,  // "单位换算"
  kBearing,      // "轴承查询"
  kTasks,        // "定时任务"
  kCustom,       // "定义材料"
  kList,         // "材料清单"
  kCutting,      // "下料优化"
};
inline constexpr int kToolKindCount = 8;

// Base of every tool window: a modeless dialog with the dialog colour, created once by the
// main window and then only shown and hidden. The close box hides the window and tells the
// main window (closedByUser), which clears the slot's shown flag. Escape does nothing, nor
// does Enter unless the window has a default button that should take it.
class CToolWindow : public QDialog {
  Q_OBJECT

 public:
  // owner: the main window, so the tool window stays with it and above it.
  CToolWindow(QWidget* owner, const QString& title);

  // Enter presses the default button (the density table's and the bearing lookup's search).
  void SetEnterPressesDefault(bool on) { enterPressesDefault_ = on; }

 signals:
  void closedByUser();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 public slots:
  void reject() override;

 private:
  bool enterPressesDefault_ = false;
  bool typeSet_ = false;
};

}  // namespace zelvik::ui
