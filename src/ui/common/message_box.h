// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace zelvik::ui {

// The buttons' captions of the program's message boxes: "确定", "是", "否".
QString OkText();
QString YesText();
QString NoText();

// A modal message box with one "确定" button and no icon, as the program's notices are.
void ShowNotice(QWidget* parent, const QString& caption, const QString& text);

// Widens a box so that the window manager has room for its caption: a short text makes a
// box narrower than its title bar needs, and the caption is then cut or left out.
void FitCaption(QMessageBox* box);

}  // namespace zelvik::ui
