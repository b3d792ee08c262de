// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSystemTrayIcon>
#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

#include "config/settings_store.h"
#include "pages/page_host.h"
#include "tools/tool_window.h"
#include "window/edge_docking.h"
#include "window/start_hidden.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;

namespace zelvik::ui {

class CAboutDlg;
class CAdArea;
class GlobalHotKey;
class InstanceMarker;
class SessionSignals;
class TrayIcon;
class CZelvikDlg;

// What the main window takes from the desktop; tests replace the parts the offscreen
// platform lacks. Empty members mean the real thing.
struct MainWindowServices {
  std::function<TrayIcon*(QObject* parent)> makeTray;
  std::function<CToolWindow*(ToolKind kind, CZelvikDlg* main)> makeToolWindow;
  std::function<std::uint32_t()> uptimeMs;
  // Whether the user is dragging the window now (the pointer's first button is down).
  std::function<bool()> userDragging;
  bool desktopHooks = true;  // global hot key, session signals, "--show" requests
};

// One tool window with its menu command, shown flag and follow timer.
struct ToolWindowSlot {
  CToolWindow* window = nullptr;
  QAction* command = nullptr;
  bool shown = false;
  QTimer* followTimer = nullptr;
};
class CalculatorStrip;
class CWeightPage;

// The main window: the three weight pages, the settings every calculator reads, the
// calculator strip, the command row and the advertising area. Every control carries its
// identifier as objectName.
class CZelvikDlg : public QDialog, public PageHost {
  Q_OBJECT

 public:
  static constexpr int kAdCollapseMs = 10000;

  // configPath: the configuration file; marker: the single-instance marker and "--show"
  // listener, released by ExitApplication (may be null).
  explicit CZelvikDlg(std::filesystem::path configPath, InstanceMarker* marker = nullptr,
                      MainWindowServices services = {});
  ~CZelvikDlg() override;

  const WeightSettings& Settings() const override { return settings_; }
  const CustomRowSet& CustomRows() const override { return customRows_; }
  void SetPreview(const QString& text) override;
  void CollectWeight(const QString& resultText) override;

  // The eighteen compute operations: page one, two, three, each in its own order.
  void RecomputeAll();

  void ToggleAdArea();
  void ToggleTopmost();
  void ShowAboutBox();
  // Removes the tray icon, releases the hot key and the single-instance marker, and ends
  // the application's event loop.
  void ExitApplication();
  InstanceMarker* instanceMarker() const { return marker_; }

  // Pages two and three and the six tool windows exist (made just after the first paint).
  bool startFinished() const { return slots_[0].followTimer != nullptr; }
  // Shows or hides a tool window beside the main window's right edge.
  void ToggleToolWindow(ToolKind kind);
  // Shows the tool window beside the main window unless it is shown already; null while it
  // does not exist.
  CToolWindow* ShowToolWindow(ToolKind kind);
  // Follow timers 3 to 8: while attach is on, the tool windows keep to the main window.
  void OnFollowTimer();

  // Shows the window, topmost at 300, 200, without touching the "置 顶" caption (tray
  // double-click, hot key, "zelvik --show").
  void ShowTopmostAt300x200();
  void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
  // The tray icon is shown and taken by a host: minimise then hides, there is no taskbar
  // button, and a start soon after boot may hide the window.
  bool TrayIconVisible() const;
  // Adds the tray icon when a host has appeared, and adapts the window to its presence.
  void RefreshTrayIcon();

  // Timer 11, once: collapses the advertising area and makes the arrow usable.
  void OnAdTimer();

  QTimer* adTimer() const { return adTimer_; }
  const ToolWindowSlot& toolSlot(ToolKind kind) const { return slots_.at(static_cast<int>(kind)); }
  QAction* toolCommand(ToolKind kind) const { return slots_.at(static_cast<int>(kind)).command; }
  QMenu* trayMenu() const { return trayMenu_; }
  const EdgeDocking& docking() const { return docking_; }
  QTimer* watchTimer() const { return watchTimer_; }
  QTimer* slideTimer() const { return slideTimer_; }
  // The window's outer frame, decorations included, in screen pixels.
  QRect FrameRect() const;
  int FullFrameWidth() const;
  QMenu* toolMenu() const { return toolMenu_; }
  CWeightPage* page(int index) const { return pages_.at(index); }
  SettingsStore& settingsStore() { return store_; }
  const CalculatorStrip& strip() const { return *strip_; }
  bool attach() const { return attach_; }
  QSize fullSize() const { return fullSize_; }
  int collapsedHeight() const;
  CAdArea* adArea() const { return adArea_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 public slots:
  void reject() override;

 private:
  void CreateControls();
  void CreateStrip();
  void CreateToolMenu();
  void CreatePages();
  void InitSettings();
  void LoadUnitSystem();
  void ConnectCommands();
  void InstallTooltips();
  void KeepAboutTheOnlyDefault();

  void OnDensityChanged(const QString& text);
  void OnDecimalsChanged(int index);
  void OnUnitSystemChanged(int index);
  void ResetPages();
  void ShowToolMenu();
  void RefreshMembers();
  void Collapse();

  void ScheduleRestOfStart();
  void FinishStart();
  void CreateToolWindows();
  void CreateTray();
  void InstallDesktopHooks();
  void SetTopmost(bool on);
  void PlaceFrameAt(const QPoint& topLeft);
  void PlaceFrame(const WinRect& frame);
  void PlaceTopmost(const WinRect& frame);
  void CreateDockTimers();
  QPoint ScreenOrigin() const;
  void AdjustForDrag();
  void AdaptToTray();
  void KeepOffTheTaskbar();
  void KeepFrameAt(const QPoint& topLeft);
  DockMetrics ReadDockMetrics() const;
  void OnWatchTimer();
  void OnSlideTimer();
  void ApplyDockTimers(const DockTimers& timers);

  WeightSettings settings_;
  SettingsStore store_;
  CustomRowSet customRows_;
  InstanceMarker* marker_;

  QTabWidget* tabs_ = nullptr;
  std::array<CWeightPage*, 3> pages_{};
  QComboBox* decimals_ = nullptr;
  QComboBox* unitSystem_ = nullptr;
  QLineEdit* density_ = nullptr;
  QPushButton* adToggle_ = nullptr;
  QPushButton* topmost_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* tools_ = nullptr;
  QCheckBox* attachBox_ = nullptr;
  QPushButton* about_ = nullptr;
  QPushButton* exit_ = nullptr;
  QFrame* collapseLine_ = nullptr;
  CAdArea* adArea_ = nullptr;
  QMenu* toolMenu_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QTimer* adTimer_ = nullptr;
  CalculatorStrip* strip_ = nullptr;
  CAboutDlg* aboutBox_ = nullptr;

  MainWindowServices services_;
  std::array<ToolWindowSlot, kToolKindCount> slots_{};
  QRect lastMainRect_;
  TrayIcon* tray_ = nullptr;
  QMenu* trayMenu_ = nullptr;
  QTimer* trayPoll_ = nullptr;
  bool trayWasVisible_ = false;
  QTimer* skipTaskbarTimer_ = nullptr;
  int skipTaskbarChecks_ = 0;
  QTimer* placeTimer_ = nullptr;
  QPoint placeTarget_;
  int placeChecks_ = 0;
  GlobalHotKey* hotKey_ = nullptr;
  SessionSignals* signals_ = nullptr;
  StartHidden startHidden_;

  EdgeDocking docking_{DockMetrics{}};
  QTimer* watchTimer_ = nullptr;
  QTimer* slideTimer_ = nullptr;
  WinRect slideRect_;
  struct OwnMove {
    QPoint topLeft;
    qint64 at;
  };
  std::deque<OwnMove> ownMoves_;
  QElapsedTimer clock_;
  qint64 dragsFrom_ = 0;
  int dragStartHeight_ = 0;
  bool placing_ = false;  // a move of our own, not the user's drag
  bool exiting_ = false;

  bool attach_ = true;
  QSize fullSize_;
};

}  // namespace zelvik::ui
