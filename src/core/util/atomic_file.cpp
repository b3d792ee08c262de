// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace zelvik {

namespace fs = std::filesystem;

fs::path FolderOf(const fs::path& file) {
  fs::path dir = file.parent_path();
  return dir.empty() ? fs::path(".") : dir;
}

bool IsDirectory(const fs::path& dir) {
  struct stat st;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates the missing folders with mode 0700, as private folders are made.
bool CreateFolders(const fs::path& dir) {
  fs::path partial;
  for (const fs::path& part : dir) {
    partial /= part;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return IsDirectory(dir);
}

namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

constexpr std::string_view kTempSuffix = ".tmp";

// ".ConfigMW.ini.<pid>.<n>.tmp": the name a writer gives its temporary file once it has
// content, just before renaming it over the target.
std::string TempPrefix(const fs::path& target) { return "." + target.filename().string() + "."; }

// A named temporary file beside the target; created with O_EXCL so that two writers never
// share it.
int CreateNamedTempFile(const fs::path& target, fs::path& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = TempPrefix(target) + std::to_string(getpid()) + "." +
                       std::to_string(counter.fetch_add(1)) + std::string(kTempSuffix);
    tempPath = FolderOf(target) / name;
    int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Gives the content of an unnamed O_TMPFILE file a temporary name, so that it can be renamed
// over the target (linkat cannot replace a file).
bool NameUnnamedFile(int fd, const fs::path& target, fs::path& tempPath) {
  static std::atomic<unsigned> counter{0};
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = TempPrefix(target) + std::to_string(getpid()) + "." +
                       std::to_string(counter.fetch_add(1)) + "u" + std::string(kTempSuffix);
    tempPath = FolderOf(target) / name;
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tempPath.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

}  // namespace

// Temporary files of writers that were killed between naming and renaming. Only a writer
// holding the folder lock makes them, so under the lock any whose process is gone is debris.
void SweepDeadWritersFiles(const fs::path& target) {
  const std::string prefix = TempPrefix(target);
  std::error_code ec;
  for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() + kTempSuffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - kTempSuffix.size(), kTempSuffix.size(), kTempSuffix) != 0) {
      continue;
    }
    const std::string rest = name.substr(prefix.size());
    char* endPid = nullptr;
    const long pid = std::strtol(rest.c_str(), &endPid, 10);
    if (endPid == rest.c_str() || *endPid != '.' || pid <= 0) continue;
    if (pid == getpid() || kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    unlink(it->path().c_str());
  }
}

bool ReplaceAtomically(const fs::path& target, std::string_view content, const struct stat* old) {
  fs::path tempPath;
  // An unnamed file leaves nothing behind when the writer is killed while writing it.
  int fd = open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  const bool unnamed = fd >= 0;
  if (!unnamed) fd = CreateNamedTempFile(target, tempPath);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content);
  if (ok && old) {
    // Keep the owner, group and mode of the file being replaced. Only root may hand a file
    // to another owner; for anyone else the user's own file keeps its owner anyway.
    [[maybe_unused]] int owned = fchown(fd, old->st_uid, old->st_gid);
    ok = fchmod(fd, old->st_mode & 07777) == 0;
  }
  ok = ok && fsync(fd) == 0;
  if (ok && unnamed) ok = NameUnnamedFile(fd, target, tempPath);
  ok = close(fd) == 0 && ok;
  ok = ok && rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    if (!tempPath.empty()) unlink(tempPath.c_str());
    return false;
  }
  int dirFd = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);  // make the rename itself durable; the content is already in place
    close(dirFd);
  }
  return true;
}

// Writes go through a symbolic link to its target rather than replacing the link, also when
// the target does not exist yet (a link into a dot-file repository before its first write).
fs::path WriteTarget(const fs::path& path) {
  fs::path current = path;
  for (int depth = 0; depth < 40; ++depth) {
    std::error_code ec;
    if (!fs::is_symlink(current, ec)) return current;
    fs::path next = fs::read_symlink(current, ec);
    if (ec) return current;
    current = next.is_absolute() ? next : FolderOf(current) / next;
  }
  return current;  // a loop: every access will fail with ELOOP, which is a failed write
}

}  // namespace zelvik
