#include "app/show_request.h"

#include <QSocketNotifier>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/single_instance.h"

namespace zelvik::ui {

namespace {

constexpr char kRequest[] = "show\n";

bool Address(const std::string& path, sockaddr_un& addr) {
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) return false;
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// A connected client socket, or -1 when no copy listens.
int Connect(const std::string& path) {
  sockaddr_un addr;
  if (!Address(path, addr)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

ShowRequests::ShowRequests(QObject* parent) : QObject(parent) {}

ShowRequests::~ShowRequests() { Close(); }

std::string ShowRequests::SocketPath() { return (RuntimeDir() / "zelvik-renwu.show").string(); }

void ShowRequests::Listen() {
  if (fd_ >= 0) return;
  const std::string path = SocketPath();
  if (const int live = Connect(path); live >= 0) {
    ::close(live);  // another copy answers these
    return;
  }
  sockaddr_un addr;
  if (!Address(path, addr)) return;
  ::unlink(path.c_str());  // a dead copy's socket is only a file in the way
  fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd_ < 0) return;
  if (::bind(fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd_, 4) != 0) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ShowRequests::OnConnection);
}

void ShowRequests::OnConnection() {
  for (;;) {
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return;
    // The request is one short line, sent at once; wait briefly rather than keep state.
    pollfd p{client, POLLIN, 0};
    char buf[16] = {};
    if (::poll(&p, 1, 200) == 1 && ::read(client, buf, sizeof buf - 1) > 0 && std::strncmp(buf, "show", 4) == 0) {
      emit showRequested();
    }
    ::close(client);
  }
}

void ShowRequests::Close() {
  if (fd_ < 0) return;
  delete notifier_;
  notifier_ = nullptr;
  ::close(fd_);
  fd_ = -1;
  ::unlink(SocketPath().c_str());
}

bool ShowRequests::SendToRunningCopy(int timeoutMs) {
  const int fd = Connect(SocketPath());
  if (fd < 0) return false;
  const bool sent = ::write(fd, kRequest, sizeof kRequest - 1) == static_cast<ssize_t>(sizeof kRequest - 1);
  // Wait until the running copy has read it and closed, so the request is taken, not lost.
  pollfd p{fd, POLLIN, 0};
  ::poll(&p, 1, timeoutMs);
  ::close(fd);
  return sent;
}

}  // namespace zelvik::ui
