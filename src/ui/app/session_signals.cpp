// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_signals.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace zelvik::ui {

namespace {

int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int signal) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] ssize_t n = ::write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

SessionSignals::SessionSignals(QObject* parent) : QObject(parent) {
  if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) return;
  notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SessionSignals::OnReadable);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

SessionSignals::~SessionSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

void SessionSignals::OnReadable() {
  unsigned char byte = 0;
  int last = 0;
  while (::read(g_pipe[0], &byte, 1) == 1) last = byte;
  if (last != 0) emit endRequested(last);
}

}  // namespace zelvik::ui
