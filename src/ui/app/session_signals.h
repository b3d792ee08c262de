// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zelvik::ui {

// SIGTERM, SIGINT and SIGHUP, delivered through the event loop (a self-pipe), so that a
// session's end, kill and an update's hand-over run the exit sequence instead of cutting
// the program off.
class SessionSignals : public QObject {
  Q_OBJECT

 public:
  explicit SessionSignals(QObject* parent);
  ~SessionSignals() override;

 signals:
  void endRequested(int signal);

 private:
  void OnReadable();
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zelvik::ui
