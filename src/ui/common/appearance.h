// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QApplication;

namespace zelvik::ui {

// The light blue that every window and message box of the program shows.
inline constexpr QColor kDialogColour{217, 226, 244};

// Dialog colour with black text; edit fields keep a white ground so they stay readable.
QPalette DialogPalette();

// Palette, dialog font and window icon for the whole application (the language is
// InstallLanguage's).
void ApplyAppearance(QApplication& app);

}  // namespace zelvik::ui
