// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/tool_window.h"

namespace zelvik::ui {

class CZelvikDlg;

// Creates the tool window of a kind, hidden, owned by the main window, widened where an
// English text needs it (FitTexts); nullptr for a kind that has no window yet (its menu
// entry then stays disabled).
CToolWindow* CreateToolWindow(ToolKind kind, CZelvikDlg* main);

}  // namespace zelvik::ui
