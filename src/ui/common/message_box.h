#pragma once

#include <QString>

class QWidget;

namespace zelvik::ui {

// A modal message box with one "确定" button and no icon, as the program's notices are.
void ShowNotice(QWidget* parent, const QString& caption, const QString& text);

}  // namespace zelvik::ui
