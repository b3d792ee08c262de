// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_marker.h"

#include <QSocketNotifier>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/single_instance.h"

namespace zelvik::ui {

namespace {

constexpr char kRequest[] = "show\n";

std::string ListenerLockName(const std::string& name) { return "zelvik-" + name + ".listen"; }

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

int Flock(int fd, int operation) {
  int r;
  while ((r = ::flock(fd, operation)) != 0 && errno == EINTR) {
  }
  return r;
}

}  // namespace

// Shared between the marker and its waiting thread, which may outlive it: the thread hands
// over the lock it got, or closes it when nobody wants it any more.
struct InstanceMarker::Waiter {
  std::mutex mutex;
  InstanceMarker* owner = nullptr;
  int lockFd = -1;
};

InstanceMarker::InstanceMarker(const std::string& name, QObject* parent) : QObject(parent), name_(name) { Take(); }

InstanceMarker::~InstanceMarker() { Release(); }

bool InstanceMarker::anotherRunning() const { return marker_ && marker_->anotherRunning(); }

bool InstanceMarker::held() const { return marker_ && marker_->held(); }

std::string InstanceMarker::SocketPath(const std::string& name) {
  return (RuntimeDir() / ("zelvik-" + name + ".show")).string();
}

void InstanceMarker::Take() {
  marker_ = std::make_unique<SingleInstance>(name_);
  if (!marker_->held()) return;
  const int fd = OpenRuntimeFile(ListenerLockName(name_));
  if (fd < 0) return;
  if (Flock(fd, LOCK_EX | LOCK_NB) == 0) {
    Listen(fd);
  } else {
    ::close(fd);
    WaitForListenerLock();
  }
}

void InstanceMarker::Retake() {
  if (!held()) Take();
}

void InstanceMarker::Release() {
  if (waiter_) {
    std::lock_guard<std::mutex> lock(waiter_->mutex);
    waiter_->owner = nullptr;
    if (waiter_->lockFd >= 0) ::close(waiter_->lockFd);  // got it, but too late
    waiter_->lockFd = -1;
  }
  waiter_.reset();
  StopListening();
  if (marker_) marker_->Release();
}

// Blocks a thread of its own in flock: the kernel wakes exactly one waiter when the lock
// is free, and the interface thread never polls for it.
void InstanceMarker::WaitForListenerLock() {
  auto waiter = std::make_shared<Waiter>();
  waiter->owner = this;
  waiter_ = waiter;
  const int fd = OpenRuntimeFile(ListenerLockName(name_));
  if (fd < 0) return;
  std::thread([waiter, fd] {
    const bool got = Flock(fd, LOCK_EX) == 0;
    std::lock_guard<std::mutex> lock(waiter->mutex);
    if (!got || waiter->owner == nullptr) {
      ::close(fd);
      return;
    }
    waiter->lockFd = fd;
    InstanceMarker* owner = waiter->owner;
    QMetaObject::invokeMethod(owner, &InstanceMarker::OnListenerLock, Qt::QueuedConnection);
  }).detach();
}

void InstanceMarker::OnListenerLock() {
  int fd = -1;
  if (waiter_) {
    std::lock_guard<std::mutex> lock(waiter_->mutex);
    fd = waiter_->lockFd;
    waiter_->lockFd = -1;
  }
  waiter_.reset();
  if (fd >= 0) Listen(fd);
}

// Only the holder of the listener lock gets here, so a socket file found in the way is a
// dead listener's.
void InstanceMarker::Listen(int lockFd) {
  lockFd_ = lockFd;
  const std::string path = SocketPath(name_);
  sockaddr_un addr;
  if (!Address(path, addr)) return;
  ::unlink(path.c_str());
  listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listenFd_ < 0) return;
  if (::bind(listenFd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(listenFd_, 4) != 0) {
    ::close(listenFd_);
    listenFd_ = -1;
    return;
  }
  notifier_ = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &InstanceMarker::OnConnection);
}

void InstanceMarker::StopListening() {
  if (listenFd_ >= 0) {
    delete notifier_;
    notifier_ = nullptr;
    ::close(listenFd_);
    listenFd_ = -1;
    ::unlink(SocketPath(name_).c_str());
  }
  if (lockFd_ >= 0) ::close(lockFd_);  // the next waiting copy listens now
  lockFd_ = -1;
}

void InstanceMarker::OnConnection() {
  for (;;) {
    const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
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

bool InstanceMarker::SendShow(const std::string& name, int timeoutMs) {
  const int fd = Connect(SocketPath(name));
  if (fd < 0) return false;
  const bool sent = ::write(fd, kRequest, sizeof kRequest - 1) == static_cast<ssize_t>(sizeof kRequest - 1);
  // Wait until the running copy has read it and closed, so the request is taken, not lost.
  pollfd p{fd, POLLIN, 0};
  ::poll(&p, 1, timeoutMs);
  ::close(fd);
  return sent;
}

}  // namespace zelvik::ui
