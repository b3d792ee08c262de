// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zelvik::ui {

// For the start-up measurement: when ZELVIK_STARTUP_PROBE is set, the first time the
// window has painted, prints "shown_ms=<since process start> rss_kb=<resident size>" on
// standard output and quits the application. Does nothing otherwise.
void InstallStartupProbe(QWidget* window);

}  // namespace zelvik::ui
