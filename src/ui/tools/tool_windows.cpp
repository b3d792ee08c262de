#include "tools/tool_windows.h"

#include "app/zelvik_dlg.h"

namespace zelvik::ui {

CToolWindow* CreateToolWindow(ToolKind kind, CZelvikDlg* main) {
  (void)main;
  switch (kind) {
    case ToolKind::kWeldPipe:
    case ToolKind::kDensity:
    case ToolKind::kUnitConvert:
    case ToolKind::kBearing:
    case ToolKind::kTasks:
    case ToolKind::kCustom:
      break;
  }
  return nullptr;
}

}  // namespace zelvik::ui
