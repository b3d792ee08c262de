// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/busy_task.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QWidget>
#include <exception>
#include <thread>

namespace zelvik::ui {

namespace {

constexpr int kShowAfterMs = 400;

}  // namespace

void RunBusy(QWidget* parent, const QString& label, const std::function<void()>& work) {
  QProgressDialog busy(label, QString(), 0, 0, parent);
  busy.setWindowTitle(parent ? parent->window()->windowTitle() : QString());
  busy.setWindowModality(Qt::ApplicationModal);
  busy.setMinimumDuration(kShowAfterMs);
  busy.setCancelButton(nullptr);
  busy.setValue(0);
  QEventLoop loop;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace zelvik::ui
