#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace zelvik {

std::filesystem::path RuntimeDir() {
  for (const char* var : {"ZELVIK_RUNTIME_DIR", "XDG_RUNTIME_DIR"}) {
    const char* v = std::getenv(var);
    if (v != nullptr && *v != '\0') return v;
  }
  return std::filesystem::path("/tmp") / ("zelvik-" + std::to_string(getuid()));
}

SingleInstance::SingleInstance(const std::string& name) {
  const std::filesystem::path dir = RuntimeDir();
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (dir.string().rfind("/tmp/", 0) == 0) ::chmod(dir.c_str(), 0700);
  const std::filesystem::path file = dir / ("zelvik-" + name + ".lock");
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;  // no marker: behave as the only copy
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    anotherRunning_ = errno == EWOULDBLOCK;
  }
}

SingleInstance::~SingleInstance() { Release(); }

void SingleInstance::Release() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

}  // namespace zelvik
