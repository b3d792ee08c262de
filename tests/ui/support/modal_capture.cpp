// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modal_capture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace zelvik::ui::test {

ModalSeen RunAnsweringModals(const std::function<void()>& action, const std::function<void(QWidget*)>& answer) {
  ModalSeen seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    ++seen.count;
    seen.title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) seen.text = box->text();
    if (answer) {
      answer(modal);
    } else {
      modal->close();
    }
  });
  poll.start(5);
  action();
  return seen;
}

}  // namespace zelvik::ui::test
