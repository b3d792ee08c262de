// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QListWidget;

namespace zelvik::ui {

// Replaces the lines of an unsorted list box. The list scrolls horizontally over
// `extentPx` pixels, as a list box with that horizontal extent does, or further where a
// line is wider still.
void SetListLines(QListWidget* list, const QStringList& lines, int extentPx);

}  // namespace zelvik::ui
