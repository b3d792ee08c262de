// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The windows are laid out in fixed dialog units for their Chinese texts. English ones are
// longer: these widen a window where its texts need it, in English only, so that the
// Chinese windows keep their geometry exactly.
namespace zelvik::ui {

// Opens a gap of `delta` pixels at x in a container laid out by hand: direct children that
// start at or right of x move right, those reaching over x grow, and the container grows (a
// window by its fixed width).
void WidenAt(QWidget* container, int x, int delta);

// Pixels by which the text of a label, button, check box, radio button or group box is
// wider than the room the widget gives it; 0 when it fits or the widget has no text.
int TextOverflow(const QWidget* widget);

// In English: widens the container at the right edge of each direct child whose text does
// not fit, by what it lacks. Nothing in Chinese, nor for a container with a layout.
void FitTexts(QWidget* container);

}  // namespace zelvik::ui
