#pragma once

#include <QDialog>
#include <QSize>
#include <array>
#include <filesystem>

#include "config/settings_store.h"
#include "pages/page_host.h"

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

namespace zelvik {
class SingleInstance;
}

namespace zelvik::ui {

class CAboutDlg;
class CAdArea;
class CalculatorStrip;
class CWeightPage;

// The main window: the three weight pages, the settings every calculator reads, the
// calculator strip, the command row and the advertising area. Every control carries its
// identifier as objectName.
class CZelvikDlg : public QDialog, public PageHost {
  Q_OBJECT

 public:
  static constexpr int kAdCollapseMs = 10000;

  // configPath: the configuration file; marker: the single-instance marker, released by
  // ExitApplication (may be null).
  explicit CZelvikDlg(std::filesystem::path configPath, SingleInstance* marker = nullptr);
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
  // Releases the single-instance marker and ends the application's event loop.
  void ExitApplication();

  // Timer 11, once: collapses the advertising area and makes the arrow usable.
  void OnAdTimer();

  QTimer* adTimer() const { return adTimer_; }
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

  WeightSettings settings_;
  SettingsStore store_;
  CustomRowSet customRows_;
  SingleInstance* marker_;

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
  std::array<QAction*, 6> toolActions_{};
  QMenu* contextMenu_ = nullptr;
  QTimer* adTimer_ = nullptr;
  CalculatorStrip* strip_ = nullptr;
  CAboutDlg* aboutBox_ = nullptr;

  bool attach_ = true;
  QSize fullSize_;
};

}  // namespace zelvik::ui
