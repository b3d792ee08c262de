// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace zelvik::ui {

// A list font of a given pixel height whose average character width is narrowed to a given
// number of pixels, so that long size names fit a narrow drop-down list. Built on the page
// font's family (it has the Chinese glyphs) with the same variable pitch; the width comes
// from a horizontal stretch computed from the face's own metrics.
QFont NarrowListFont(const QFont& pageFont, int pixelHeight, int averageWidth);

// Average advance of the Latin letters, the measure that average widths refer to.
double AverageCharWidth(const QFont& font);

}  // namespace zelvik::ui
