#include "common/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace zelvik::ui {

void ShowNotice(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

}  // namespace zelvik::ui
