// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace zelvik::ui {

// A modal message box with one "确定" button and no icon, as the program's notices are.
void ShowNotice(QWidget* parent, const QString& caption, const QString& text);

// Widens a box so that the window manager has room for its caption: a short text makes a
// box narrower than its title bar needs, and the caption is then cut or left out.
void FitCaption(QMessageBox* box);

}  // namespace zelvik::ui
