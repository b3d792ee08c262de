// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zelvik_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include "app/about_dlg.h"
#include "app/calculator_strip.h"
#include "app/instance_marker.h"
#include "app/spec_entry_dlg.h"
#include "app/tray_icon.h"
#include "app/x11_desktop.h"
#include "common/app_icons.h"
#include "common/save_failure.h"
#include "online/ad_area.h"
#include "online/update_runner.h"
#include "config/custom_rows.h"
#include "pages/page_one.h"
#include "platform/working_set.h"
#include "project_info.h"
#include "util/numbers.h"
#include "weight/density.h"

namespace zelvik::ui {

namespace {

// "%f" with its trailing zeros removed, as the density field shows its start value.
QString DensityText(double density) {
  std::string text = FormatFixed(density, 6);
  while (!text.empty() && text.back() == '0') text.pop_back();
  return QString::fromStdString(text);
}

}  // namespace

CZelvikDlg::CZelvikDlg(std::filesystem::path configPath, InstanceMarker* marker, MainWindowServices services)
    : QDialog(nullptr), store_(IniFile(configPath), &settings_), marker_(marker), services_(std::move(services)) {
  if (!services_.userDragging) services_.userDragging = PointerButtonDown;
  setWindowTitle(QStringLiteral("ZelvikV") + QLatin1String(kProjectVersion));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  customRows_ = LoadAllCustomRows(IniFile(configPath));

  CreateControls();
  CreatePages();
  CSpecEntryDlg::Install(
      this, toolMenu_, tabs_, [this](size_t tab) -> SpecTarget* { return tab < pages_.size() ? pages_[tab] : nullptr; },
      &customRows_);
  InitSettings();
  LoadUnitSystem();
  ScheduleRestOfStart();
  setWindowIcon(SteelProfileIcon());
  fullSize_ = size();

  adTimer_ = new QTimer(this);
  adTimer_->setSingleShot(true);
  adTimer_->setInterval(kAdCollapseMs);
  connect(adTimer_, &QTimer::timeout, this, &CZelvikDlg::OnAdTimer);
  adTimer_->start();
  TrimWorkingSet();
  CleanUpAfterUpdateAtStart();

  InstallDesktopHooks();
  CreateDockTimers();
  CreateTray();

  ConnectCommands();
  InstallTooltips();
  KeepAboutTheOnlyDefault();
}

CZelvikDlg::~CZelvikDlg() = default;

// Pages two and three go into their tabs just after the first paint (FinishStart).
void CZelvikDlg::CreatePages() {
  tabs_->addTab(pages_[0] = new CPageOne(this, tabs_), tr(" 第 一 页 "));
  tabs_->addTab(new QWidget(tabs_), tr(" 第 二 页 "));
  tabs_->addTab(new QWidget(tabs_), tr(" 第 三 页 "));
  tabs_->setCurrentIndex(0);
}

void CZelvikDlg::InitSettings() {
  connect(density_, &QLineEdit::textChanged, this, &CZelvikDlg::OnDensityChanged);
  density_->setText(DensityText(settings_.density));
  decimals_->setCurrentIndex(settings_.decimals);
  connect(decimals_, &QComboBox::activated, this, &CZelvikDlg::OnDecimalsChanged);
}

void CZelvikDlg::LoadUnitSystem() {
  // The other "Setting" flags are read too: the minimal-file rule needs all four.
  store_.LoadAll();
  // A hand-edited value outside the list would leave it blank and every weight 0.
  if (settings_.unitSystem < 0 || settings_.unitSystem >= kUnitSystemCount) settings_.unitSystem = kUnitKgMm;
  unitSystem_->setCurrentIndex(settings_.unitSystem);
  connect(unitSystem_, &QComboBox::activated, this, &CZelvikDlg::OnUnitSystemChanged);
}

void CZelvikDlg::ConnectCommands() {
  connect(adToggle_, &QPushButton::clicked, this, &CZelvikDlg::ToggleAdArea);
  connect(topmost_, &QPushButton::clicked, this, &CZelvikDlg::ToggleTopmost);
  connect(reset_, &QPushButton::clicked, this, &CZelvikDlg::ResetPages);
  connect(tools_, &QPushButton::clicked, this, &CZelvikDlg::ShowToolMenu);
  connect(attachBox_, &QCheckBox::clicked, this, &CZelvikDlg::RefreshMembers);
  connect(about_, &QPushButton::clicked, this, &CZelvikDlg::ShowAboutBox);
  connect(exit_, &QPushButton::clicked, this, &CZelvikDlg::ExitApplication);
}

// Enter must reach "关于" wherever the focus is, so no other button may become the
// default, not even the pages' buttons when they take the focus.
void CZelvikDlg::KeepAboutTheOnlyDefault() {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (button != about_) button->setAutoDefault(false);
  }
}

void CZelvikDlg::SetPreview(const QString& text) { strip_->SetPreview(text); }

void CZelvikDlg::CollectWeight(const QString& resultText) { strip_->Collect(resultText); }

void CZelvikDlg::RecomputeAll() {
  for (CWeightPage* page : pages_) {
    if (page != nullptr) page->RecomputeAll();
  }
}

void CZelvikDlg::OnDensityChanged(const QString& text) {
  settings_.density = DensityFromFieldText(text.toStdString());
  RecomputeAll();
}

void CZelvikDlg::OnDecimalsChanged(int index) {
  settings_.decimals = index;
  strip_->Recompute();
  RecomputeAll();
}

// A choice that could not be stored still holds for this session: the weights need it now.
void CZelvikDlg::OnUnitSystemChanged(int index) {
  if (!store_.StoreUnitSystem(index)) SaveFailure::Tell(this, store_.file().path());
  RecomputeAll();
}

void CZelvikDlg::ResetPages() {
  for (CWeightPage* page : pages_) {
    if (page != nullptr) page->ResetPage();
  }
}

void CZelvikDlg::RefreshMembers() {
  strip_->RefreshFromControls();
  attach_ = attachBox_->isChecked();
}

void CZelvikDlg::ShowToolMenu() {
  activateWindow();
  toolMenu_->popup(QCursor::pos() - QPoint(0, 115));
}

int CZelvikDlg::collapsedHeight() const { return collapseLine_->geometry().bottom() + 1; }

void CZelvikDlg::Collapse() {
  setFixedSize(fullSize_.width(), collapsedHeight());
  adToggle_->setText(QStringLiteral("↓"));
  adArea_->Stop();
}

void CZelvikDlg::ToggleAdArea() {
  if (adToggle_->text() == QStringLiteral("↑")) {
    Collapse();
  } else {
    setFixedSize(fullSize_);
    adToggle_->setText(QStringLiteral("↑"));
    adArea_->Start();
  }
}

void CZelvikDlg::OnAdTimer() {
  adTimer_->stop();
  Collapse();
  adToggle_->setEnabled(true);
}

void CZelvikDlg::ShowAboutBox() {
  if (aboutBox_ == nullptr) aboutBox_ = new CAboutDlg(this);
  aboutBox_->exec();
}

void CZelvikDlg::ExitApplication() {
  if (exiting_) return;
  exiting_ = true;
  if (trayPoll_ != nullptr) trayPoll_->stop();
  if (tray_ != nullptr) tray_->Remove();
  if (hotKey_ != nullptr) hotKey_->Unregister();
  if (marker_ != nullptr) marker_->Release();
  hide();
  QCoreApplication::quit();
}

void CZelvikDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CZelvikDlg::reject() {}

void CZelvikDlg::closeEvent(QCloseEvent* event) {
  ExitApplication();
  event->accept();
}

// The window manager's menu cannot be extended, so "关于Zelvik" lives in the window's
// own context menu.
void CZelvikDlg::contextMenuEvent(QContextMenuEvent* event) { contextMenu_->popup(event->globalPos()); }

}  // namespace zelvik::ui
