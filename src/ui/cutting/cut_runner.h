// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <mutex>
#include <optional>
#include <thread>

#include "cutting/cutting_plan.h"

namespace zelvik::ui {

// Runs the optimiser on a thread of its own and reports on the window's thread: progress as
// it comes (the latest only, when the window is slower than the optimiser), then the plan or
// the error. A run replaced by a new one or stopped by the window's end reports nothing more.
class CutRunner : public QObject {
  Q_OBJECT

 public:
  explicit CutRunner(QObject* parent = nullptr);
  ~CutRunner() override;  // stops the run and waits for it

  void Start(cutting::CutRequest request, std::chrono::milliseconds timeLimit);
  // Asks the run to end; it then reports its best plan so far.
  void Stop();
  bool running() const { return running_; }
  bool stopRequested() const { return stopRequested_; }

 signals:
  void progressed(const cutting::CutProgress& progress);
  void finished(const cutting::CutPlan& plan);
  // kind as the core gives it; index: the piece or stock concerned, or -1. An error that is
  // not a CutError (out of memory) comes as NoPlanFound with its text in `detail`.
  void failed(cutting::CutErrorKind kind, int index, const QString& detail);

 private:
  void DeliverProgress(int run);

  int run_ = 0;  // the current run's number; reports of older runs are dropped
  bool running_ = false;
  bool stopRequested_ = false;
  std::mutex mutex_;  // guards latest_ and posted_
  std::optional<cutting::CutProgress> latest_;
  bool posted_ = false;
  std::jthread thread_;  // last: joined before the members it reports through go
};

}  // namespace zelvik::ui
