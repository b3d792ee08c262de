// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tool_fonts.h"

#include "common/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "common/dialog_units.h"

namespace zelvik::ui {

QFont ToolWindowFont(int pointSize) {
  QFont font = DialogFont();
  font.setPointSize(pointSize);
  return font;
}

QFont WithSymbolFace(QFont font) {
  QStringList families = font.families();
  families.prepend(QStringLiteral("DejaVu Sans"));
  font.setFamilies(families);
  return font;
}

QFont ColumnFont(int pointSize) {
  QFont font;
  font.setFamilies({"WenQuanYi Micro Hei Mono", "WenQuanYi Zen Hei Mono", "Noto Sans Mono CJK SC"});
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(pointSize);
  return font;
}

void ShowNotFound(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("zelvik::ui::ToolWindows", "提示"),
                  QCoreApplication::translate("zelvik::ui::ToolWindows", "很抱歉，没找到!!"), QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(OkText());
  FitCaption(&box);
  box.exec();
}

}  // namespace zelvik::ui
