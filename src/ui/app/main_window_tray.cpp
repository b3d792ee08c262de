// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the desktop: tray icon, topmost, minimise into the tray, start hidden,
// global hot key, session signals and "--show" requests.
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "app/session_signals.h"
#include "app/instance_marker.h"
#include "app/tray_icon.h"
#include "app/x11_desktop.h"
#include "app/zelvik_dlg.h"
#include "platform/uptime.h"

namespace zelvik::ui {

namespace {

constexpr int kTrayPollMs = 2000;      // a tray host that appears later gets the icon this soon
constexpr int kEarlyTrayPollMs = 250;  // while a late tray would still hide the window
constexpr int kSkipTaskbarCheckMs = 100;
constexpr int kSkipTaskbarChecks = 20;
constexpr int kPlaceCheckMs = 50;
constexpr int kPlaceChecks = 10;
const QPoint kCalledUpAt(300, 200);
constexpr qint64 kSettleMs = 500;  // moves this soon after showing are the window manager's

std::uint32_t UptimeMs(const MainWindowServices& services) {
  return services.uptimeMs ? services.uptimeMs() : MillisecondsSinceBoot();
}

}  // namespace

void CZelvikDlg::CreateTray() {
  trayMenu_ = new QMenu(tr("托盘菜单"), this);
  trayMenu_->setObjectName(QStringLiteral("132"));
  QAction* show = trayMenu_->addAction(tr("显示"));
  connect(show, &QAction::triggered, this, [this] {
    showNormal();
    raise();
    activateWindow();
  });
  QAction* exit = trayMenu_->addAction(tr("退出"));
  connect(exit, &QAction::triggered, this, &CZelvikDlg::ExitApplication);

  tray_ = services_.makeTray ? services_.makeTray(this) : new QtTrayIcon(this);
  connect(tray_, &TrayIcon::activated, this, &CZelvikDlg::OnTrayActivated);
  trayPoll_ = new QTimer(this);
  trayPoll_->setInterval(kTrayPollMs);
  connect(trayPoll_, &QTimer::timeout, this, &CZelvikDlg::RefreshTrayIcon);
  if (store_.flags().hideTrayIcon == 1) return;  // no icon at all, and nothing to watch for
  startHidden_.SetMinirun(store_.flags().minirun == 1);
  RefreshTrayIcon();
  // At log-in the panel often brings its tray up after the first paints.
  if (startHidden_.WaitingForTray(clock_.elapsed()) && !TrayIconVisible()) {
    trayPoll_->setInterval(kEarlyTrayPollMs);
    QTimer::singleShot(StartHidden::kLateTrayMs, trayPoll_, [this] { trayPoll_->setInterval(kTrayPollMs); });
  }
  trayPoll_->start();
}

bool CZelvikDlg::TrayIconVisible() const { return tray_ != nullptr && tray_->Visible(); }

void CZelvikDlg::RefreshTrayIcon() {
  if (exiting_ || tray_ == nullptr) return;
  if (!tray_->Visible() && tray_->HostAvailable()) {
    tray_->Show(windowIcon(), QStringLiteral("Zelvik"), trayMenu_);
  }
  AdaptToTray();
}

// Without a visible tray icon the window must stay reachable: it keeps its taskbar button,
// minimises normally, and comes back when the tray it was hidden in goes away.
void CZelvikDlg::AdaptToTray() {
  const bool visible = TrayIconVisible();
  if (visible == trayWasVisible_) return;
  trayWasVisible_ = visible;
  if (visible) {
    KeepOffTheTaskbar();
    if (startHidden_.OnTrayShown(UptimeMs(services_), clock_.elapsed())) hide();
  } else {
    SetSkipTaskbar(this, false);
  }
  if (!visible && !isVisible() && !exiting_) show();
}

void CZelvikDlg::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      show();
      raise();
      activateWindow();
      break;
    case QSystemTrayIcon::DoubleClick:
      ShowTopmostAt300x200();
      break;
    default:
      break;  // the context menu opens by itself
  }
}

void CZelvikDlg::SetTopmost(bool on) {
  Qt::WindowFlags flags = windowFlags();
  if (flags.testFlag(Qt::WindowStaysOnTopHint) == on) return;
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  if (QWindow* window = windowHandle()) {
    // Changing the hint on the native window keeps it shown and in place.
    overrideWindowFlags(flags);
    window->setFlags(flags);
    // Qt rewrites the window's state with the flags and drops what it does not know of.
    if (trayWasVisible_) KeepOffTheTaskbar();
  } else {
    setWindowFlags(flags);
  }
}

void CZelvikDlg::ToggleTopmost() {
  const bool makeTopmost = topmost_->text() == tr("置 顶");
  SetTopmost(makeTopmost);
  topmost_->setText(makeTopmost ? tr("不置顶") : tr("置 顶"));
}

void CZelvikDlg::ShowTopmostAt300x200() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  // After show: new flags on a hidden window make Qt build a new native window.
  SetTopmost(true);
  KeepFrameAt(kCalledUpAt);
  raise();
  activateWindow();
}

void CZelvikDlg::PlaceFrameAt(const QPoint& topLeft) {
  // The window manager confirms the move later, in a move event that is not the user's.
  if (frameGeometry().topLeft() != topLeft) ownMoves_.push_back({topLeft, clock_.elapsed()});
  placing_ = true;
  move(topLeft);  // a top-level widget's position is that of its frame
  placing_ = false;
}

// A window being mapped gets its frame when the window manager gets to it, and until then Qt
// takes the position for the window's own: place it now and again until the frame is there.
void CZelvikDlg::KeepFrameAt(const QPoint& topLeft) {
  PlaceFrameAt(topLeft);
  placeTarget_ = topLeft;
  placeChecks_ = kPlaceChecks;
  if (!placeTimer_) {
    placeTimer_ = new QTimer(this);
    placeTimer_->setInterval(kPlaceCheckMs);
    connect(placeTimer_, &QTimer::timeout, this, [this] {
      if (--placeChecks_ <= 0) placeTimer_->stop();
      if (!isVisible()) return;
      // Qt places the client by the frame it knows of, which just after a map may be none.
      if (const std::optional<RealFrame> real = RealFrameOf(this)) {
        const QPoint qtOffset = geometry().topLeft() - pos();
        if (real->topLeft != placeTarget_) PlaceFrameAt(placeTarget_ + real->clientOffset - qtOffset);
      } else if (frameGeometry().topLeft() != placeTarget_) {
        PlaceFrameAt(placeTarget_);
      }
    });
  }
  placeTimer_->start();
}

void CZelvikDlg::InstallDesktopHooks() {
  if (!services_.desktopHooks) return;
  hotKey_ = new GlobalHotKey(this);
  connect(hotKey_, &GlobalHotKey::fired, this, &CZelvikDlg::ShowTopmostAt300x200);
  if (!hotKey_->Register() && OnX11()) {
    std::fputs("zelvik: Super+A is taken by the desktop; bind \"zelvik --show\" to a shortcut instead\n", stderr);
  }
  signals_ = new SessionSignals(this);
  connect(signals_, &SessionSignals::endRequested, this, &CZelvikDlg::ExitApplication);
  if (marker_ != nullptr) connect(marker_, &InstanceMarker::showRequested, this, &CZelvikDlg::ShowTopmostAt300x200);
}

void CZelvikDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized)) return;
  // The window lives in the tray: minimise hides it instead.
  if (TrayIconVisible()) {
    QTimer::singleShot(0, this, [this] {
      setWindowState(windowState() & ~Qt::WindowMinimized);
      hide();
    });
  }
}

void CZelvikDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!startFinished()) QTimer::singleShot(0, this, &CZelvikDlg::FinishStart);
  // Started with the session: go straight to the tray, when there is one to go to.
  if (startHidden_.OnPaint(UptimeMs(services_), TrayIconVisible())) QTimer::singleShot(0, this, &QWidget::hide);
}

void CZelvikDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  dragsFrom_ = clock_.elapsed() + kSettleMs;
  if (trayWasVisible_) KeepOffTheTaskbar();
}

// Each map, and each change of Qt's own flags, rewrites the window's state, and the window
// manager takes the window on at a moment of its choosing: check for a while and say it
// again until it holds.
void CZelvikDlg::KeepOffTheTaskbar() {
  if (!OnX11()) return;
  skipTaskbarChecks_ = kSkipTaskbarChecks;
  if (!skipTaskbarTimer_) {
    skipTaskbarTimer_ = new QTimer(this);
    skipTaskbarTimer_->setInterval(kSkipTaskbarCheckMs);
    connect(skipTaskbarTimer_, &QTimer::timeout, this, [this] {
      if (--skipTaskbarChecks_ <= 0) skipTaskbarTimer_->stop();
      if (!isVisible() || !TrayIconVisible()) return;
      if (!HasSkipTaskbar(this)) SetSkipTaskbar(this, true);
    });
  }
  SetSkipTaskbar(this, true);
  skipTaskbarTimer_->start();
}

}  // namespace zelvik::ui
