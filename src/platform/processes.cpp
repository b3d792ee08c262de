// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

namespace zelvik {

namespace fs = std::filesystem;

namespace {

fs::path Canonical(const fs::path& p) {
  std::error_code ec;
  fs::path c = fs::weakly_canonical(p, ec);
  return ec ? p : c;
}

bool RunsExecutable(pid_t pid, const fs::path& executable) {
  const std::string proc = "/proc/" + std::to_string(pid);
  struct stat st;
  if (::stat(proc.c_str(), &st) != 0 || st.st_uid != ::geteuid()) return false;
  std::error_code ec;
  const fs::path exe = fs::read_symlink(proc + "/exe", ec);
  return !ec && exe == executable;
}

// A process handle that cannot come to mean another process once this one is gone.
class Target {
 public:
  explicit Target(pid_t pid) : pid_(pid), fd_(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0))) {}
  ~Target() {
    if (fd_ >= 0) ::close(fd_);
  }
  Target(Target&& o) noexcept : pid_(o.pid_), fd_(o.fd_) { o.fd_ = -1; }
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;

  bool valid() const { return fd_ >= 0; }
  void Signal(int sig) const { ::syscall(SYS_pidfd_send_signal, fd_, sig, nullptr, 0); }
  // Waits up to ms for the process to end (a zombie has ended).
  bool WaitGone(int ms) const {
    struct pollfd p = {fd_, POLLIN, 0};
    int rc;
    do {
      rc = ::poll(&p, 1, ms);
    } while (rc < 0 && errno == EINTR);
    return rc > 0;
  }

 private:
  pid_t pid_;
  int fd_;
};

}  // namespace

std::vector<pid_t> ProcessesRunning(const fs::path& executable) {
  const fs::path target = Canonical(executable);
  std::vector<pid_t> found;
  std::error_code ec;
  for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::atol(name.c_str()));
    if (pid != ::getpid() && RunsExecutable(pid, target)) found.push_back(pid);
  }
  return found;
}

int PosixProcesses::EndProcessesOf(const fs::path& executable) {
  const fs::path target = Canonical(executable);
  std::vector<Target> targets;
  for (pid_t pid : ProcessesRunning(target)) {
    Target t(pid);
    // Checked again through the handle: the pid may have been reused since the scan.
    if (t.valid() && RunsExecutable(pid, target)) targets.push_back(std::move(t));
  }
  for (const Target& t : targets) t.Signal(SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs_);
  for (const Target& t : targets) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (t.WaitGone(static_cast<int>(std::max<long long>(0, left.count())))) continue;
    t.Signal(SIGKILL);
    t.WaitGone(1000);
  }
  return static_cast<int>(targets.size());
}

bool PosixProcesses::Start(const fs::path& program) {
  int pipefd[2];
  if (::pipe2(pipefd, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipefd[0]);
    ::close(pipefd[1]);
    return false;
  }
  if (child == 0) {
    // Only async-signal-safe calls from here on: the parent may have other threads.
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    const char* path = program.c_str();
    char* const argv[] = {const_cast<char*>(path), nullptr};
    ::execv(path, argv);
    const int err = errno;
    (void)!::write(pipefd[1], &err, sizeof err);
    ::_exit(127);
  }
  ::close(pipefd[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int err = 0;
  ssize_t n;
  do {
    n = ::read(pipefd[0], &err, sizeof err);
  } while (n < 0 && errno == EINTR);
  ::close(pipefd[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
}

}  // namespace zelvik
