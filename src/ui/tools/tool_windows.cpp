// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tool_windows.h"

#include "app/zelvik_dlg.h"
#include "common/text_fit.h"
#include "cutting/cutting_dlg.h"
#include "list/list_dlg.h"
#include "tasks/task_dlg.h"
#include "tools/cutting_job.h"
#include "tools/bearing_dlg.h"
#include "tools/custom_materials_dlg.h"
#include "tools/density_dlg.h"
#include "tools/unit_convert_dlg.h"
#include "tools/weld_pipe_dlg.h"

namespace zelvik::ui {

namespace {

CToolWindow* CreateListWindow(CZelvikDlg* main) {
  ListWindowServices services;
  services.settings = [main] { return main->Settings(); };
  services.customRows = main->CustomRows();
  services.openCutting = [main](const CuttingJob& job) { return OpenCuttingJob(main, job); };
  auto* window = new CListDlg(main, std::move(services));
  for (int i = 0; i < 3; ++i) window->CollectFrom(main->page(i));
  return window;
}

CToolWindow* NewToolWindow(ToolKind kind, CZelvikDlg* main) {
  switch (kind) {
    case ToolKind::kWeldPipe:
      return new CWeldPipeDlg(main);
    case ToolKind::kDensity:
      return new CDensityDlg(main);
    case ToolKind::kUnitConvert:
      return new CUnitConvertDlg(main);
    case ToolKind::kBearing:
      return new CBearingDlg(main);
    case ToolKind::kTasks:
      return new CTaskDlg(main, main->settingsStore(), DefaultTaskServices());
    case ToolKind::kCustom:
      return new CCustomMaterialsDlg(main, main->settingsStore().file(), [main] { RestartProgram(*main); });
    case ToolKind::kList:
      return CreateListWindow(main);
    case ToolKind::kCutting:
      return new CCuttingDlg(main, main);
  }
  return nullptr;
}

}  // namespace

CToolWindow* CreateToolWindow(ToolKind kind, CZelvikDlg* main) {
  CToolWindow* window = NewToolWindow(kind, main);
  if (window != nullptr) FitTexts(window);
  return window;
}

bool OpenCuttingJob(CZelvikDlg* main, const CuttingJob& job) {
  auto* target = dynamic_cast<CuttingJobTarget*>(main->ShowToolWindow(ToolKind::kCutting));
  if (target == nullptr) return false;
  target->LoadJob(job);
  return true;
}

}  // namespace zelvik::ui
