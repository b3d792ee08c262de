// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zelvik::ui {

// The fixed texts of the about box.
QString UserGuideText();
QString UpdateLogText();

}  // namespace zelvik::ui
