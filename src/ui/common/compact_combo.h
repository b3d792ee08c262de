// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;

namespace zelvik::ui {

// Gives a narrow drop-down list a slimmer arrow button, so that two digits still show in a
// list as narrow as the platform's own (22 dialog units).
void UseCompactArrow(QComboBox* list);

}  // namespace zelvik::ui
