// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QWidget;

namespace zelvik::ui {

// A tool window's own font: the dialog face at the window's point size.
QFont ToolWindowFont(int pointSize);

// The font with a face in front whose "℃" and "℉" have outlines: the Chinese faces' glyphs
// for them are empty, and their Latin digits look the same.
QFont WithSymbolFace(QFont font);

// A face whose Latin characters are exactly half as wide as its Chinese ones, for text laid
// out in columns (the bearing catalogue and its caption).
QFont ColumnFont(int pointSize);

// The "not found" message of the lookup windows' find next, modal over `parent`.
void ShowNotFound(QWidget* parent);

}  // namespace zelvik::ui
