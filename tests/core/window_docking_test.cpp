// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "window/edge_docking.h"

namespace zelvik {
namespace {

// A 1280 × 1024 screen with a 30-pixel panel at the bottom, edge 2 and frame 4.
constexpr DockMetrics kScreen{1280, 1024, 30, 2, 4};
// The main window, 500 × 560, somewhere in the middle.
constexpr WinRect kWindow{400, 200, 900, 760};

WinRect Moved(WinRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

struct MoveCase {
  const char* name;
  WinPoint cursor;
  WinRect expected;
  DockEdge edge;
};

TEST(EdgeDocking, MoveAdjustmentByCursorInOrder) {
  const MoveCase cases[] = {
      {"top at 20", {600, 20}, {400, -2, 900, 558}, DockEdge::kTop},
      {"top wins over left", {5, 3}, {400, -2, 900, 558}, DockEdge::kTop},
      {"not top at 21", {600, 21}, kWindow, DockEdge::kNone},
      // 1024 - 20 - 30 = 974: the drag places the window above the panel.
      {"bottom at 974", {600, 974}, {400, 434, 900, 994}, DockEdge::kBottom},
      {"bottom wins over right", {1279, 1000}, {400, 434, 900, 994}, DockEdge::kBottom},
      {"not bottom at 973", {600, 973}, kWindow, DockEdge::kNone},
      {"left at 19", {19, 500}, {0, 200, 500, 760}, DockEdge::kLeft},
      {"not left at 20", {20, 500}, kWindow, DockEdge::kNone},
      {"right at 1260", {1260, 500}, {780, 200, 1280, 760}, DockEdge::kRight},
      {"not right at 1259", {1259, 500}, kWindow, DockEdge::kNone},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    EdgeDocking dock(kScreen);
    DockTimers timers;
    EXPECT_EQ(dock.OnMoving(kWindow, c.cursor, kWindow.height(), timers), c.expected);
    EXPECT_EQ(dock.state().edge, c.edge);
    EXPECT_EQ(dock.state().sideDocked, c.edge == DockEdge::kLeft || c.edge == DockEdge::kRight);
  }
}

TEST(EdgeDocking, SideDockRemembersTheHeightUntilTheWindowLeaves) {
  EdgeDocking dock(kScreen);
  DockTimers timers;
  dock.OnMoving(kWindow, {10, 400}, 560, timers);
  EXPECT_EQ(dock.state().heightBeforeSideDock, 560);
  // Still docked: a second side move (even at the other edge) keeps the first height.
  const WinRect shorter{0, 200, 500, 500};
  dock.OnMoving(shorter, {1270, 400}, 300, timers);
  EXPECT_EQ(dock.state().heightBeforeSideDock, 560);
  // Back in the middle: the height is restored from the top.
  EXPECT_EQ(dock.OnMoving({300, 100, 800, 400}, {600, 500}, 300, timers), (WinRect{300, 100, 800, 660}));
  EXPECT_FALSE(dock.state().sideDocked);
  EXPECT_EQ(dock.state().edge, DockEdge::kNone);
  // A top dock is not a side dock: leaving it changes no height.
  dock.OnMoving(kWindow, {600, 5}, 560, timers);
  EXPECT_EQ(dock.OnMoving({400, 100, 900, 300}, {600, 500}, 200, timers), (WinRect{400, 100, 900, 300}));
}

// Drives the slide timer until it stops, recording each placed rectangle.
std::vector<WinRect> Slide(EdgeDocking& dock, WinRect& window) {
  std::vector<WinRect> placed;
  for (int tick = 0; tick < 100; ++tick) {
    DockTimers timers;
    if (dock.OnSlideTimer(window, timers)) placed.push_back(window);
    if (timers.stopSlide) return placed;
  }
  ADD_FAILURE() << "the slide never finished";
  return placed;
}

struct SlideCase {
  const char* name;
  WinPoint dragCursor;
  WinRect hidden;     // after the hide slide: a strip of 4 pixels on the screen
  WinRect shown;      // after the show slide
  size_t hideSteps;   // placements until the strip is reached
};

TEST(EdgeDocking, HideAndShowSlidesOfEachEdge) {
  const SlideCase cases[] = {
      // 558 + ... : bottom -= 56 per step until 4, then top = bottom - 560.
      {"top", {600, 10}, {400, -556, 900, 4}, {400, -2, 900, 558}, 10},
      // Shown flush with the screen's bottom, over the panel.
      {"bottom", {600, 1000}, {400, 1020, 900, 1580}, {400, 464, 900, 1024}, 11},
      {"left", {5, 500}, {-496, 200, 4, 760}, {0, 200, 500, 760}, 10},
      {"right", {1275, 500}, {1276, 200, 1776, 760}, {780, 200, 1280, 760}, 10},
  };
  for (const SlideCase& c : cases) {
    SCOPED_TRACE(c.name);
    EdgeDocking dock(kScreen);
    DockTimers timers;
    WinRect window = dock.OnMoving(kWindow, c.dragCursor, kWindow.height(), timers);
    const WinRect docked = window;

    // The cursor leaves by 11 pixels: timer 1 starts the hide slide.
    dock.OnHitTest({docked.left + 5, docked.top + 5}, timers);
    ASSERT_TRUE(timers.startWatch);
    DockTimers watch;
    dock.OnWatchTimer(window, {docked.left + 5, docked.bottom + 9}, watch);
    EXPECT_FALSE(watch.startSlide) << "still within 10 pixels";
    dock.OnWatchTimer(window, {docked.right + 10, docked.top + 5}, watch);
    ASSERT_TRUE(watch.stopWatch && watch.startSlide);
    EXPECT_EQ(dock.state().direction, SlideDirection::kHide);
    const std::vector<WinRect> hiding = Slide(dock, window);
    EXPECT_EQ(window, c.hidden);
    EXPECT_EQ(hiding.size(), c.hideSteps);
    for (const WinRect& r : hiding) EXPECT_EQ(r.height(), docked.height());

    // Touching the strip shows it again.
    DockTimers touch;
    dock.OnHitTest({window.left + 2, window.top + 2}, touch);
    ASSERT_TRUE(touch.startWatch && touch.startSlide);
    EXPECT_TRUE(dock.state().watching);
    Slide(dock, window);
    EXPECT_EQ(window, c.shown);
    // Touching a shown window while watching starts nothing more.
    DockTimers again;
    dock.OnHitTest({window.left + 2, window.top + 2}, again);
    EXPECT_FALSE(again.startWatch || again.startSlide);
  }
}

TEST(EdgeDocking, FreeWindowIgnoresHitsAndSlides) {
  EdgeDocking dock(kScreen);
  DockTimers timers;
  dock.OnHitTest({600, 400}, timers);
  EXPECT_FALSE(timers.startWatch || timers.startSlide);
  WinRect window = kWindow;
  EXPECT_FALSE(dock.OnSlideTimer(window, timers));
  EXPECT_TRUE(timers.stopSlide);  // nothing to slide: the timer goes
  EXPECT_EQ(window, kWindow);
}

TEST(EdgeDocking, DraggingAwayStopsWatchingAndFreesTheWindow) {
  EdgeDocking dock(kScreen);
  DockTimers timers;
  WinRect window = dock.OnMoving(kWindow, {600, 5}, 560, timers);
  dock.OnHitTest({600, 100}, timers);
  ASSERT_TRUE(dock.state().watching);
  DockTimers away;
  window = dock.OnMoving(Moved(window, 0, 300), {600, 400}, 560, away);
  EXPECT_TRUE(away.stopWatch);
  EXPECT_FALSE(dock.state().watching);
  EXPECT_EQ(dock.state().edge, DockEdge::kNone);
  // A slide step that is still due does nothing once the window is free.
  EXPECT_FALSE(dock.OnSlideTimer(window, away));
}

TEST(EdgeDocking, HitBeyondTheScreenByTenPixelsIsIgnored) {
  EdgeDocking dock(kScreen);
  DockTimers timers;
  dock.OnMoving(kWindow, {1275, 500}, 560, timers);
  DockTimers far;
  dock.OnHitTest({1290, 500}, far);
  EXPECT_FALSE(far.startWatch);
  DockTimers near;
  dock.OnHitTest({1289, 500}, near);
  EXPECT_TRUE(near.startWatch);
}

}  // namespace
}  // namespace zelvik
