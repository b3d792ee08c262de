// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace zelvik {

namespace {

bool FromEnvironment(const char* var, std::filesystem::path& out) {
  const char* v = std::getenv(var);
  if (v == nullptr || *v == '\0') return false;
  out = v;
  return true;
}

std::filesystem::path TmpFallback() { return std::filesystem::path("/tmp") / ("zelvik-" + std::to_string(getuid())); }

}  // namespace

// The shared /tmp is anybody's: the folder must be ours, private, and not a link someone
// planted to steer the marker elsewhere.
int OpenPrivateFolder(const std::filesystem::path& dir) {
  if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return -1;
  int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
      ((st.st_mode & 077) != 0 && fchmod(fd, 0700) != 0)) {
    close(fd);
    return -1;
  }
  return fd;
}

namespace {

int OpenRuntimeFolder() {
  std::filesystem::path dir;
  if (FromEnvironment("ZELVIK_RUNTIME_DIR", dir) || FromEnvironment("XDG_RUNTIME_DIR", dir)) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  }
  return OpenPrivateFolder(TmpFallback());
}

int Lock(int fd, int operation) {
  int r;
  while ((r = flock(fd, operation)) != 0 && errno == EINTR) {
  }
  return r;
}

}  // namespace

int OpenRuntimeFile(const std::string& name) {
  const int dir = OpenRuntimeFolder();
  if (dir < 0) return -1;
  const int fd = openat(dir, name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
  close(dir);
  return fd;
}

std::filesystem::path RuntimeDir() {
  std::filesystem::path dir;
  if (FromEnvironment("ZELVIK_RUNTIME_DIR", dir) || FromEnvironment("XDG_RUNTIME_DIR", dir)) return dir;
  return TmpFallback();
}

SingleInstance::SingleInstance(const std::string& name) {
  const int dir = OpenRuntimeFolder();
  if (dir < 0) return;  // no marker: behave as the only copy
  const std::string base = "zelvik-" + name;
  constexpr int kFlags = O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
  fd_ = openat(dir, (base + ".lock").c_str(), kFlags, 0600);
  // Starts pass one at a time through a gate, so that no start's probe can meet another
  // start's brief exclusive lock and take it for a running copy, nor miss a copy that is
  // between probing and holding.
  const int gate = fd_ >= 0 ? openat(dir, (base + ".start").c_str(), kFlags, 0600) : -1;
  const int probe = fd_ >= 0 ? openat(dir, (base + ".lock").c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW) : -1;
  close(dir);
  if (fd_ < 0 || probe < 0) {
    Release();
    if (probe >= 0) close(probe);
    if (gate >= 0) close(gate);
    return;
  }
  if (gate >= 0) Lock(gate, LOCK_EX);
  anotherRunning_ = Lock(probe, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(probe);
  // Non-blocking: a copy of an older build may hold the lock exclusively for its whole life.
  // Then this copy simply holds no marker.
  if (Lock(fd_, LOCK_SH | LOCK_NB) != 0) {
    anotherRunning_ = anotherRunning_ || errno == EWOULDBLOCK;
    Release();
  }
  if (gate >= 0) close(gate);
}

SingleInstance::~SingleInstance() { Release(); }

void SingleInstance::Release() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

}  // namespace zelvik
