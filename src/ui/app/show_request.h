#pragma once

#include <QObject>
#include <string>

class QSocketNotifier;

namespace zelvik::ui {

// "zelvik --show": a local socket in the runtime folder through which a starting copy asks
// a running one to come up as the hot key brings it. Plain AF_UNIX, so the program needs no
// network module for it.
class ShowRequests : public QObject {
  Q_OBJECT

 public:
  explicit ShowRequests(QObject* parent);
  ~ShowRequests() override;

  // Listens unless a live copy already does.
  void Listen();
  void Close();
  bool listening() const { return fd_ >= 0; }

  // Asks a running copy; true when one took the request.
  static bool SendToRunningCopy(int timeoutMs = 1000);
  static std::string SocketPath();

 signals:
  void showRequested();

 private:
  void OnConnection();

  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zelvik::ui
