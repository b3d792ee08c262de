// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace zelvik::ui {

// The program's icon, the cross-section of an I-beam: the window's and the tray's.
QIcon SteelProfileIcon();

// The strip's calculator button face, 18 × 18 pixels, with its own raised border.
QPixmap CalculatorBitmap();

}  // namespace zelvik::ui
