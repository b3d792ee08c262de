// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/weld_pipe_dlg.h"

#include <QListView>

#include "common/dialog_units.h"
#include "reference/welded_pipe_lines.h"
#include "tools/column_text.h"
#include "tools/static_lines_model.h"
#include "tools/tool_fonts.h"

namespace zelvik::ui {

CWeldPipeDlg::CWeldPipeDlg(QWidget* owner) : CToolWindow(owner, tr("焊管尺寸")) {
  setFont(ToolWindowFont(10));
  const DialogUnits du(font());

  // The caption's blanks centre each word over its list when a blank is one average
  // character wide and a Chinese character two.
  auto* caption = new ColumnLabel(tr("       薄壁焊管                 厚壁焊管"), du.baseX(), this);
  caption->setGeometry(du.Rect(7, 6, 189, 10));

  auto makeList = [&](const char* id, std::span<const std::string_view> lines, int x) {
    auto* list = new QListView(this);
    list->setObjectName(QString::fromLatin1(id));
    list->setModel(new StaticLinesModel(lines, list));
    list->setGeometry(du.Rect(x, 18, 92, 107));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setUniformItemSizes(true);
  };
  makeList("1116", ThinWallPipeLines(), 7);
  makeList("1117", ThickWallPipeLines(), 104);

  setFixedSize(du.X(203), du.Y(132));
}

}  // namespace zelvik::ui
