// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tool windows: created once, shown beside its right edge, following it.
#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/zelvik_dlg.h"
#include "pages/page_three.h"
#include "pages/page_two.h"
#include "tools/tool_windows.h"

namespace zelvik::ui {

namespace {

constexpr int kFollowMs = 200;
constexpr int kRestOfStartAtLatestMs = 1000;

// The order in which the follow timers move the windows.
constexpr ToolKind kFollowOrder[] = {ToolKind::kWeldPipe, ToolKind::kDensity, ToolKind::kUnitConvert,
                                     ToolKind::kBearing,  ToolKind::kCustom,  ToolKind::kTasks,
                                     ToolKind::kList,     ToolKind::kCutting};

// Moves a window so that its outer frame's top-left corner is at the point.
// The list and the cutting plan, wider than the room beside the main window on a small screen,
// move in over it rather than past the screen's edge, where their right half could not be
// reached; the small tool windows keep their place beside it.
void MoveFrameTo(QWidget* window, const QPoint& topLeft, ToolKind kind) {
  QPoint at = topLeft;
  const QScreen* screen = QGuiApplication::screenAt(topLeft);
  if (screen == nullptr) screen = window->screen();
  if (screen != nullptr && (kind == ToolKind::kList || kind == ToolKind::kCutting)) {
    const QRect room = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size().expandedTo(window->size());
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - frame.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - frame.height())));
  }
  // QWidget::move places the frame of a top-level window, decorations included.
  window->move(at);
}

}  // namespace

QRect CZelvikDlg::FrameRect() const { return frameGeometry(); }

// The expanded window's width with its decorations: the collapse changes only the height.
int CZelvikDlg::FullFrameWidth() const { return fullSize_.width() + frameGeometry().width() - width(); }

// What nobody sees at first, pages two and three and the tool windows, comes just after the
// first paint, in the order of the start, so that the window shows sooner; no user can tell.
// Without a paint (a window that never maps) it comes all the same, a little later: the task
// window's timer must run.
void CZelvikDlg::ScheduleRestOfStart() {
  QTimer::singleShot(kRestOfStartAtLatestMs, this, &CZelvikDlg::FinishStart);
}

void CZelvikDlg::FinishStart() {
  if (startFinished()) return;
  pages_[1] = new CPageTwo(this, tabs_->widget(1));
  pages_[2] = new CPageThree(this, tabs_->widget(2));
  for (int i : {1, 2}) pages_[i]->show();
  CreateToolWindows();
  KeepAboutTheOnlyDefault();
}

void CZelvikDlg::CreateToolWindows() {
  const auto make = services_.makeToolWindow ? services_.makeToolWindow : CreateToolWindow;
  for (int i = 0; i < kToolKindCount; ++i) {
    ToolWindowSlot& slot = slots_[i];
    slot.window = make(static_cast<ToolKind>(i), this);
    slot.followTimer = new QTimer(this);
    slot.followTimer->setInterval(kFollowMs);
    connect(slot.followTimer, &QTimer::timeout, this, &CZelvikDlg::OnFollowTimer);
    if (slot.window == nullptr) continue;
    slot.window->hide();
    // The close box hides the window; its follow timer keeps running.
    connect(slot.window, &CToolWindow::closedByUser, this, [this, i] { slots_[i].shown = false; });
    if (slot.command != nullptr) slot.command->setEnabled(true);
  }
}

void CZelvikDlg::ToggleToolWindow(ToolKind kind) {
  ToolWindowSlot& slot = slots_.at(static_cast<int>(kind));
  if (slot.window == nullptr) return;
  if (slot.shown) {
    slot.window->hide();
    slot.shown = false;
    slot.followTimer->stop();
    return;
  }
  lastMainRect_ = FrameRect();
  const QPoint beside(lastMainRect_.left() + FullFrameWidth(), lastMainRect_.top());
  MoveFrameTo(slot.window, beside, kind);
  slot.window->show();
  MoveFrameTo(slot.window, beside, kind);  // its frame is known only once shown
  slot.window->raise();
  slot.shown = true;
  slot.followTimer->start();
}

CToolWindow* CZelvikDlg::ShowToolWindow(ToolKind kind) {
  const ToolWindowSlot& slot = slots_.at(static_cast<int>(kind));
  if (slot.window != nullptr && !slot.shown) ToggleToolWindow(kind);
  return slot.window;
}

void CZelvikDlg::OnFollowTimer() {
  const QRect main = FrameRect();
  if (!attach_ || (main.left() == lastMainRect_.left() && main.top() == lastMainRect_.top())) return;
  lastMainRect_ = main;
  const QPoint target(lastMainRect_.left() + FullFrameWidth(), lastMainRect_.top());
  for (ToolKind kind : kFollowOrder) {
    if (CToolWindow* window = slots_[static_cast<int>(kind)].window) MoveFrameTo(window, target, kind);
  }
}

}  // namespace zelvik::ui
