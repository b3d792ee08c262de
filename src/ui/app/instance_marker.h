// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <string>

class QSocketNotifier;

namespace zelvik {
class SingleInstance;
}

namespace zelvik::ui {

// The single-instance marker and the "zelvik --show" listener in one. Every running copy holds
// the marker; the one that holds the listener lock besides listens on a local socket in the
// runtime folder, through which a starting copy asks it to come up as the hot key brings it.
// The other copies wait for that lock on a thread of their own: when the listening copy ends
// or lets go, the kernel hands the lock to one of them, which listens from then on. Plain
// AF_UNIX, so the program needs no network module for it.
class InstanceMarker : public QObject {
  Q_OBJECT

 public:
  explicit InstanceMarker(const std::string& name = "renwu", QObject* parent = nullptr);
  ~InstanceMarker() override;

  // Another copy held the marker when this one was made.
  bool anotherRunning() const;
  bool held() const;
  bool listening() const { return listenFd_ >= 0; }

  // Lets go of the marker and of the listener (or of waiting for it) before the process ends,
  // so that a copy started now neither warns that one runs nor misses a request.
  void Release();
  // Takes the marker again after Release, as a new start would (a hand-over that failed).
  void Retake();

  // Asks the listening copy to come up; true when one took the request.
  static bool SendShow(const std::string& name = "renwu", int timeoutMs = 1000);
  static std::string SocketPath(const std::string& name = "renwu");

 signals:
  void showRequested();

 private:
  struct Waiter;
  void Take();
  void Listen(int lockFd);
  void WaitForListenerLock();
  void OnListenerLock();
  void OnConnection();
  void StopListening();

  std::string name_;
  std::unique_ptr<SingleInstance> marker_;
  int lockFd_ = -1;    // the listener lock, while this copy listens
  int listenFd_ = -1;  // the socket, while this copy listens
  QSocketNotifier* notifier_ = nullptr;
  std::shared_ptr<Waiter> waiter_;
};

}  // namespace zelvik::ui
