// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/list_lines.h"

#include <QFontMetrics>
#include <QListWidget>
#include <algorithm>

namespace zelvik::ui {

void SetListLines(QListWidget* list, const QStringList& lines, int extentPx) {
  list->clear();
  const QFontMetrics fm(list->font());
  const int height = fm.height() + 2;
  for (const QString& line : lines) {
    auto* item = new QListWidgetItem(line, list);
    item->setSizeHint(QSize(std::max(extentPx, fm.horizontalAdvance(item->text()) + 6), height));
  }
}

}  // namespace zelvik::ui
