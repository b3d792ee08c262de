// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zelvik {

// Screen rectangles in pixels, right and bottom exclusive, of the window's outer frame.
struct WinRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const WinRect&, const WinRect&) = default;
};

struct WinPoint {
  int x = 0;
  int y = 0;
};

enum class DockEdge { kNone = 0, kTop = 1, kBottom = 2, kLeft = 3, kRight = 4 };
enum class SlideDirection { kShow, kHide };

// What the desktop tells of itself, read when the window is created.
struct DockMetrics {
  int screenWidth = 0;
  int screenHeight = 0;
  int taskbarHeight = 30;  // the panel along the bottom edge
  int edgeSize = 0;        // how far a top-docked window reaches above the screen
  int frameSize = 0;       // the strip of a hidden window that stays on the screen
};

struct DockState {
  DockEdge edge = DockEdge::kNone;
  bool sideDocked = false;
  int heightBeforeSideDock = 400;
  bool watching = false;  // timer 1 runs
  bool slideFinished = true;
  SlideDirection direction = SlideDirection::kShow;
};

// The timers the window layer starts or stops after an event.
struct DockTimers {
  bool startWatch = false;  // timer 1, 200 ms: has the cursor left the window?
  bool stopWatch = false;
  bool startSlide = false;  // timer 2, 5 ms: one slide step
  bool stopSlide = false;
};

// Parking the main window at a screen edge: a drag that ends near an edge docks it; when
// the cursor leaves it by more than 10 pixels it slides away until a strip of frame-size
// pixels is left, and touching that strip slides it back. Plain state, fed by the window
// layer with its events and timer ticks; each step's rectangle is placed as a topmost window.
class EdgeDocking {
 public:
  static constexpr int kDockDistance = 20;   // cursor this near an edge docks
  static constexpr int kLeaveDistance = 10;  // cursor this far outside the window hides it
  static constexpr int kSteps = 10;          // a slide moves a tenth of the size per step
  static constexpr int kWatchMs = 200;
  static constexpr int kSlideMs = 5;

  explicit EdgeDocking(DockMetrics metrics) : metrics_(metrics) {}

  // One move of the user's drag: the window's proposed rectangle, adjusted for the cursor
  // position (tested in this order: top, bottom, left, right, none). currentHeight is the
  // window's height before this move, remembered when a side dock begins.
  WinRect OnMoving(WinRect proposed, WinPoint cursor, int currentHeight, DockTimers& timers);

  // The cursor is over the window: a docked window starts showing itself.
  void OnHitTest(WinPoint cursor, DockTimers& timers);

  // Timer 1: the cursor has left the window by more than kLeaveDistance: start hiding.
  void OnWatchTimer(WinRect window, WinPoint cursor, DockTimers& timers);

  // Timer 2: the rectangle of one slide step, to be placed topmost; false when there is
  // nothing to place (slide finished: timer 2 is stopped; or not docked).
  bool OnSlideTimer(WinRect& window, DockTimers& timers);

  const DockState& state() const { return state_; }
  const DockMetrics& metrics() const { return metrics_; }
  void SetMetrics(const DockMetrics& metrics) { metrics_ = metrics; }

 private:
  void HideStep(WinRect& r);
  void ShowStep(WinRect& r);

  DockMetrics metrics_;
  DockState state_;
};

}  // namespace zelvik
