// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/message_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace zelvik::ui {

namespace {

// The window manager's icon and buttons beside the caption.
constexpr int kTitleBarExtra = 180;

}  // namespace

QString OkText() { return QCoreApplication::translate("zelvik::ui::MessageBox", "确定"); }
QString YesText() { return QCoreApplication::translate("zelvik::ui::MessageBox", "是"); }
QString NoText() { return QCoreApplication::translate("zelvik::ui::MessageBox", "否"); }

void FitCaption(QMessageBox* box) {
  auto* grid = qobject_cast<QGridLayout*>(box->layout());
  if (grid == nullptr) return;
  const int width = box->fontMetrics().horizontalAdvance(box->windowTitle()) + kTitleBarExtra;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}

void ShowNotice(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(OkText());
  FitCaption(&box);
  box.exec();
}

}  // namespace zelvik::ui
