// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/start_hidden.h"

namespace zelvik {

bool StartHidden::OnPaint(std::uint32_t uptimeMs, bool trayVisible) {
  if (paints_ >= kPaintsWatched) return false;
  ++paints_;
  return trayVisible && Wanted(uptimeMs);
}

bool StartHidden::OnTrayShown(std::uint32_t uptimeMs, std::int64_t sinceStartMs) {
  if (hiddenForTray_ || !WaitingForTray(sinceStartMs) || !Wanted(uptimeMs)) return false;
  hiddenForTray_ = true;
  return true;
}

bool StartHidden::WaitingForTray(std::int64_t sinceStartMs) const {
  return minirun_ && !hiddenForTray_ && sinceStartMs <= kLateTrayMs;
}

}  // namespace zelvik
