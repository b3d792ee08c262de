// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zelvik {

// Whether the main window hides into the tray just after the program starts: "minirun" is 1,
// the system has run for less than six minutes (a start with the session), and there is a
// tray icon to hide in, either at one of the window's first two paints or when the panel
// brings its tray up late, within 10 s of the start.
class StartHidden {
 public:
  static constexpr std::uint32_t kJustBootedMs = 360000;
  static constexpr int kPaintsWatched = 2;
  static constexpr std::int64_t kLateTrayMs = 10000;

  explicit StartHidden(bool minirun = false) : minirun_(minirun) {}
  void SetMinirun(bool minirun) { minirun_ = minirun; }

  // One paint of the window, with the system's uptime now; true: hide.
  bool OnPaint(std::uint32_t uptimeMs, bool trayVisible);
  // The tray icon has just become visible, sinceStartMs after the start; true: hide.
  bool OnTrayShown(std::uint32_t uptimeMs, std::int64_t sinceStartMs);
  // A late tray can still hide the window: worth watching for closely.
  bool WaitingForTray(std::int64_t sinceStartMs) const;

 private:
  bool Wanted(std::uint32_t uptimeMs) const { return minirun_ && uptimeMs < kJustBootedMs; }

  bool minirun_;
  int paints_ = 0;
  bool hiddenForTray_ = false;
};

}  // namespace zelvik
