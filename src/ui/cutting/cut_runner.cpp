// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/cut_runner.h"

#include <QMetaObject>

#include <exception>

namespace zelvik::ui {

CutRunner::CutRunner(QObject* parent) : QObject(parent) {}

CutRunner::~CutRunner() {
  thread_.request_stop();
  if (thread_.joinable()) thread_.join();
}

void CutRunner::Start(cutting::CutRequest request, std::chrono::milliseconds timeLimit) {
  // An old run is told to stop; it notices within milliseconds, and its reports are dropped.
  thread_.request_stop();
  if (thread_.joinable()) thread_.join();
  const int run = ++run_;
  running_ = true;
  stopRequested_ = false;
  {
    std::lock_guard lock(mutex_);
    latest_.reset();
    posted_ = false;
  }
  thread_ = std::jthread([this, run, request = std::move(request), timeLimit](std::stop_token stop) {
    cutting::CutOptions options;
    options.timeLimit = timeLimit;
    options.stop = stop;
    options.progress = [this, run](const cutting::CutProgress& p) {
      std::lock_guard lock(mutex_);
      latest_ = p;
      if (posted_) return;
      posted_ = true;
      QMetaObject::invokeMethod(this, [this, run] { DeliverProgress(run); }, Qt::QueuedConnection);
    };
    auto report = [this, run](auto deliver) {
      QMetaObject::invokeMethod(
          this,
          [this, run, deliver = std::move(deliver)] {
            if (run != run_) return;
            running_ = false;
            deliver();
          },
          Qt::QueuedConnection);
    };
    try {
      cutting::CutPlan plan = cutting::Optimise(request, options);
      report([this, plan = std::move(plan)] { emit finished(plan); });
    } catch (const cutting::CutError& e) {
      report([this, kind = e.kind(), index = e.index()] { emit failed(kind, index, QString()); });
    } catch (const std::exception& e) {
      report([this, what = QString::fromLocal8Bit(e.what())] {
        emit failed(cutting::CutErrorKind::NoPlanFound, -1, what);
      });
    }
  });
}

void CutRunner::Stop() {
  if (!running_) return;
  stopRequested_ = true;
  thread_.request_stop();
}

void CutRunner::DeliverProgress(int run) {
  if (run != run_) return;  // the new run has its own
  std::optional<cutting::CutProgress> p;
  {
    std::lock_guard lock(mutex_);
    posted_ = false;
    p.swap(latest_);
  }
  if (running_ && p) emit progressed(*p);
}

}  // namespace zelvik::ui
