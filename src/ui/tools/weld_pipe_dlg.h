// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/tool_window.h"

namespace zelvik::ui {

// "焊管尺寸": the thin-walled and thick-walled welded-pipe sizes side by side; read only.
class CWeldPipeDlg : public CToolWindow {
  Q_OBJECT

 public:
  explicit CWeldPipeDlg(QWidget* owner);
};

}  // namespace zelvik::ui
