// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace zelvik::ui {

// A read-only field that shows a long value from its start, where a number is read, rather
// than its tail (a line edit puts its cursor, and so its view, at the end of a text set),
// unless the user has the field to select from; a value wider than the field shows whole as
// its tooltip.
void KeepStartInView(QLineEdit* field);

}  // namespace zelvik::ui
