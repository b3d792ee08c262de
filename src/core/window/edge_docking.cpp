// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/edge_docking.h"

namespace zelvik {

WinRect EdgeDocking::OnMoving(WinRect r, WinPoint cursor, int currentHeight, DockTimers& timers) {
  const int h = r.height();
  const int w = r.width();
  const DockMetrics& m = metrics_;
  if (cursor.y <= kDockDistance) {
    r.top = -m.edgeSize;
    r.bottom = h - m.edgeSize;
    state_.edge = DockEdge::kTop;
  } else if (cursor.y >= m.screenHeight - kDockDistance - m.taskbarHeight) {
    r.top = m.screenHeight - m.taskbarHeight - h;
    r.bottom = m.screenHeight - m.taskbarHeight;
    state_.edge = DockEdge::kBottom;
  } else if (cursor.x < kDockDistance) {
    if (!state_.sideDocked) state_.heightBeforeSideDock = currentHeight;
    r.left = 0;
    r.right = w;
    state_.sideDocked = true;
    state_.edge = DockEdge::kLeft;
  } else if (cursor.x >= m.screenWidth - kDockDistance) {
    if (!state_.sideDocked) state_.heightBeforeSideDock = currentHeight;
    r.left = m.screenWidth - w;
    r.right = m.screenWidth;
    state_.sideDocked = true;
    state_.edge = DockEdge::kRight;
  } else {
    if (state_.sideDocked) {
      r.bottom = r.top + state_.heightBeforeSideDock;
      state_.sideDocked = false;
    }
    if (state_.watching) {
      timers.stopWatch = true;
      state_.watching = false;
    }
    state_.edge = DockEdge::kNone;
  }
  return r;
}

void EdgeDocking::OnHitTest(WinPoint cursor, DockTimers& timers) {
  if (state_.edge == DockEdge::kNone || state_.watching || cursor.x >= metrics_.screenWidth + kLeaveDistance) return;
  timers.startWatch = true;
  state_.watching = true;
  state_.slideFinished = false;
  state_.direction = SlideDirection::kShow;
  timers.startSlide = true;
}

void EdgeDocking::OnWatchTimer(WinRect window, WinPoint cursor, DockTimers& timers) {
  const WinRect around{window.left - kLeaveDistance, window.top - kLeaveDistance, window.right + kLeaveDistance,
                       window.bottom + kLeaveDistance};
  if (around.Contains(cursor.x, cursor.y)) return;
  timers.stopWatch = true;
  state_.watching = false;
  state_.slideFinished = false;
  state_.direction = SlideDirection::kHide;
  timers.startSlide = true;
}

bool EdgeDocking::OnSlideTimer(WinRect& window, DockTimers& timers) {
  if (state_.slideFinished) {
    timers.stopSlide = true;
    return false;
  }
  if (state_.edge == DockEdge::kNone) return false;
  if (state_.direction == SlideDirection::kHide) {
    HideStep(window);
  } else {
    ShowStep(window);
  }
  return true;
}

void EdgeDocking::HideStep(WinRect& r) {
  const int h = r.height();
  const int w = r.width();
  const DockMetrics& m = metrics_;
  switch (state_.edge) {
    case DockEdge::kTop:
      r.bottom -= h / kSteps;
      if (r.bottom <= m.frameSize) {
        r.bottom = m.frameSize;
        state_.slideFinished = true;
      }
      r.top = r.bottom - h;
      break;
    case DockEdge::kBottom:
      r.top += h / kSteps;
      if (r.top >= m.screenHeight - m.frameSize) {
        r.top = m.screenHeight - m.frameSize;
        state_.slideFinished = true;
      }
      r.bottom = r.top + h;
      break;
    case DockEdge::kLeft:
      r.right -= w / kSteps;
      if (r.right <= m.frameSize) {
        r.right = m.frameSize;
        state_.slideFinished = true;
      }
      r.left = r.right - w;
      break;
    case DockEdge::kRight:
      r.left += w / kSteps;
      if (r.left >= m.screenWidth - m.frameSize) {
        r.left = m.screenWidth - m.frameSize;
        state_.slideFinished = true;
      }
      r.right = r.left + w;
      break;
    case DockEdge::kNone:
      break;
  }
}

void EdgeDocking::ShowStep(WinRect& r) {
  const int h = r.height();
  const int w = r.width();
  const DockMetrics& m = metrics_;
  switch (state_.edge) {
    case DockEdge::kTop:
      r.top += h / kSteps;
      if (r.top >= -m.edgeSize) {
        r.top = -m.edgeSize;
        state_.slideFinished = true;
      }
      r.bottom = r.top + h;
      break;
    case DockEdge::kBottom:
      r.top -= h / kSteps;
      if (r.top <= m.screenHeight - h) {
        r.top = m.screenHeight - h;
        state_.slideFinished = true;
      }
      r.bottom = r.top + h;
      break;
    case DockEdge::kLeft:
      r.right += w / kSteps;
      if (r.right >= w) {
        r.right = w;
        state_.slideFinished = true;
      }
      r.left = r.right - w;
      break;
    case DockEdge::kRight:
      r.left -= w / kSteps;
      if (r.left <= m.screenWidth - w) {
        r.left = m.screenWidth - w;
        state_.slideFinished = true;
      }
      r.right = r.left + w;
      break;
    case DockEdge::kNone:
      break;
  }
}

}  // namespace zelvik
