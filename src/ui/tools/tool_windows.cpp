#include "tools/tool_windows.h"

#include "app/zelvik_dlg.h"
#include "tasks/task_dlg.h"
#include "tools/custom_materials_dlg.h"

namespace zelvik::ui {

CToolWindow* CreateToolWindow(ToolKind kind, CZelvikDlg* main) {
  switch (kind) {
    case ToolKind::kWeldPipe:
    case ToolKind::kDensity:
    case ToolKind::kUnitConvert:
    case ToolKind::kBearing:
      break;
    case ToolKind::kTasks:
      return new CTaskDlg(main, main->settingsStore(), DefaultTaskServices());
    case ToolKind::kCustom:
      return new CCustomMaterialsDlg(main, main->settingsStore().file(), [main] { RestartProgram(*main); });
  }
  return nullptr;
}

}  // namespace zelvik::ui
