// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tool_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/x11_desktop.h"
#include "common/appearance.h"

namespace zelvik::ui {

CToolWindow::CToolWindow(QWidget* owner, const QString& title) : QDialog(owner) {
  setWindowTitle(title);
  setModal(false);
  // A utility window with a close box and the window menu only (see KeepToTheCloseBox).
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  setPalette(DialogPalette());
  setAutoFillBackground(true);
}

void CToolWindow::showEvent(QShowEvent* event) {
  // The native window exists now and is mapped just after this.
  if (!typeSet_) KeepToTheCloseBox(this);
  typeSet_ = true;
  QDialog::showEvent(event);
}

void CToolWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
  emit closedByUser();
}

void CToolWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (key == Qt::Key_Escape || (enter && !enterPressesDefault_)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// QDialog routes Escape and the window manager's close through reject(); only the close
// box may hide the window, and closeEvent does that.
void CToolWindow::reject() {}

}  // namespace zelvik::ui
