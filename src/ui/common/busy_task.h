// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zelvik::ui {

// Runs `work` on a worker thread and returns when it is done. Meanwhile the windows keep
// painting, input is held off, and a busy indicator with `label` shows when the work takes
// longer than a moment. `work` must touch no widget.
void RunBusy(QWidget* parent, const QString& label, const std::function<void()>& work);

}  // namespace zelvik::ui
