// SPDX-License-Identifier: GPL-3.0-or-later
// Edge docking of the main window: the window layer of EdgeDocking. The window manager drives
// a drag on X11, so each move event of a drag is adjusted after the fact, with the cursor.
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/zelvik_dlg.h"

namespace zelvik::ui {

namespace {

constexpr int kDefaultTaskbar = 30;
constexpr int kEdgeSize = 2;
constexpr int kFrameSize = 4;
constexpr qint64 kOwnMoveMs = 1000;   // the window manager confirms a move of ours within this

QScreen* ScreenOf(const QWidget* w) {
  QScreen* s = w->screen();
  return s != nullptr ? s : QGuiApplication::primaryScreen();
}

WinRect ToWin(const QRect& r, const QPoint& origin) {
  return {r.left() - origin.x(), r.top() - origin.y(), r.left() - origin.x() + r.width(),
          r.top() - origin.y() + r.height()};
}

}  // namespace

DockMetrics CZelvikDlg::ReadDockMetrics() const {
  DockMetrics m;
  if (QScreen* screen = ScreenOf(this)) {
    const QRect all = screen->geometry();
    const QRect free = screen->availableGeometry();
    m.screenWidth = all.width();
    m.screenHeight = all.height();
    const int panel = all.bottom() - free.bottom();
    m.taskbarHeight = panel > 0 ? panel : kDefaultTaskbar;
  }
  m.edgeSize = kEdgeSize;
  m.frameSize = kFrameSize;
  return m;
}

void CZelvikDlg::CreateDockTimers() {
  docking_.SetMetrics(ReadDockMetrics());
  watchTimer_ = new QTimer(this);
  watchTimer_->setInterval(EdgeDocking::kWatchMs);
  connect(watchTimer_, &QTimer::timeout, this, &CZelvikDlg::OnWatchTimer);
  slideTimer_ = new QTimer(this);
  slideTimer_->setInterval(EdgeDocking::kSlideMs);
  connect(slideTimer_, &QTimer::timeout, this, &CZelvikDlg::OnSlideTimer);
  clock_.start();
}

QPoint CZelvikDlg::ScreenOrigin() const {
  QScreen* screen = ScreenOf(this);
  return screen != nullptr ? screen->geometry().topLeft() : QPoint();
}

void CZelvikDlg::ApplyDockTimers(const DockTimers& t) {
  if (t.stopWatch) watchTimer_->stop();
  if (t.startWatch) watchTimer_->start();
  if (t.stopSlide) slideTimer_->stop();
  if (t.startSlide) {
    slideRect_ = ToWin(FrameRect(), ScreenOrigin());
    slideTimer_->start();
  }
}

// Places the outer frame; a side dock's end may give the window back its earlier height.
void CZelvikDlg::PlaceFrame(const WinRect& frame) {
  const QPoint origin = ScreenOrigin();
  const int extraHeight = frameGeometry().height() - height();
  if (frame.height() - extraHeight != height()) setFixedHeight(frame.height() - extraHeight);
  PlaceFrameAt(QPoint(frame.left + origin.x(), frame.top + origin.y()));
}

void CZelvikDlg::PlaceTopmost(const WinRect& frame) {
  SetTopmost(true);
  PlaceFrame(frame);
}

void CZelvikDlg::AdjustForDrag() {
  const QPoint origin = ScreenOrigin();
  const WinRect proposed = ToWin(FrameRect(), origin);
  const QPoint cursor = QCursor::pos() - origin;
  DockTimers timers;
  const WinRect adjusted = docking_.OnMoving(proposed, {cursor.x(), cursor.y()}, dragStartHeight_, timers);
  ApplyDockTimers(timers);
  if (!(adjusted == proposed)) PlaceFrame(adjusted);
  dragStartHeight_ = FrameRect().height();
  // The cursor that dropped the window is over its title bar, which belongs to the window
  // manager: no enter event tells of it, so this is the hit test.
  if (adjusted.Contains(cursor.x(), cursor.y())) {
    DockTimers hit;
    docking_.OnHitTest({cursor.x(), cursor.y()}, hit);
    ApplyDockTimers(hit);
  }
}

// A move is the user's drag when it is not one of ours, and the pointer's button is still
// down (window managers that report every step) or the cursor lies on the window (those that
// report the drop only, as openbox does).
void CZelvikDlg::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (!isVisible() || slideTimer_ == nullptr) return;
  const QRect frame = FrameRect();
  const qint64 now = clock_.elapsed();
  while (!ownMoves_.empty() && now - ownMoves_.front().at > kOwnMoveMs) ownMoves_.pop_front();
  for (auto it = ownMoves_.begin(); it != ownMoves_.end(); ++it) {
    if (it->topLeft == frame.topLeft()) {
      ownMoves_.erase(ownMoves_.begin(), it + 1);
      return;
    }
  }
  if (placing_ || slideTimer_->isActive() || now < dragsFrom_) return;
  const bool dragging = services_.userDragging();
  if (!dragging && !frame.contains(QCursor::pos())) return;
  AdjustForDrag();
}

void CZelvikDlg::enterEvent(QEnterEvent* event) {
  QDialog::enterEvent(event);
  const QPoint cursor = QCursor::pos() - ScreenOrigin();
  DockTimers timers;
  docking_.OnHitTest({cursor.x(), cursor.y()}, timers);
  ApplyDockTimers(timers);
}

void CZelvikDlg::OnWatchTimer() {
  const QPoint origin = ScreenOrigin();
  const QPoint cursor = QCursor::pos() - origin;
  DockTimers timers;
  docking_.OnWatchTimer(ToWin(FrameRect(), origin), {cursor.x(), cursor.y()}, timers);
  ApplyDockTimers(timers);
}

void CZelvikDlg::OnSlideTimer() {
  DockTimers timers;
  // Steps follow each other faster than the window manager confirms them: work on the
  // rectangle last placed.
  if (docking_.OnSlideTimer(slideRect_, timers)) PlaceTopmost(slideRect_);
  ApplyDockTimers(timers);
}

}  // namespace zelvik::ui
