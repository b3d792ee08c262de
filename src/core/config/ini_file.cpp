// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

namespace zelvik {

namespace {

namespace fs = std::filesystem;

std::filesystem::path FolderOf(const fs::path& file) {
  fs::path dir = file.parent_path();
  return dir.empty() ? fs::path(".") : dir;
}

bool IsDirectory(const fs::path& dir) {
  struct stat st;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// flock on the folder: stable while the file is replaced by rename. Where the folder
// cannot be locked (some network file systems) the work goes on unlocked; the rename still
// keeps every reader from seeing a half-written file.
class FolderLock {
 public:
  FolderLock(const fs::path& dir, int operation)
      : fd_(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) return;
    int r;
    while ((r = flock(fd_, operation)) != 0 && errno == EINTR) {
    }
    held_ = r == 0;
  }
  bool held() const { return held_; }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
  bool held_ = false;
};

struct FileContent {
  bool exists = false;
  bool ok = true;         // false: exists but cannot be read as a regular file
  bool tooLarge = false;  // bytes hold only the whole lines within the cap
  std::string bytes;
  struct stat st {};
};

FileContent ReadFileContent(const fs::path& path) {
  FileContent c;
  // O_NONBLOCK: a FIFO in the file's place must not hang the program.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    c.ok = errno == ENOENT || errno == ENOTDIR;
    return c;
  }
  c.exists = true;
  if (fstat(fd, &c.st) != 0 || !S_ISREG(c.st.st_mode)) {
    c.ok = false;
    close(fd);
    return c;
  }
  constexpr std::size_t kLimit = kIniMaxFileBytes + 1;
  std::size_t want = c.st.st_size > 0 ? static_cast<std::size_t>(c.st.st_size) : 4096;
  c.bytes.resize(want < kLimit ? want : kLimit);
  std::size_t used = 0;
  for (;;) {
    if (used == c.bytes.size()) {
      if (used >= kLimit) break;
      c.bytes.resize(std::min(kLimit, used * 2));  // the file grew since fstat
    }
    ssize_t n = read(fd, c.bytes.data() + used, c.bytes.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      c.ok = false;
      break;
    }
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
  }
  close(fd);
  c.bytes.resize(used);
  if (used > kIniMaxFileBytes) {
    c.tooLarge = true;
    c.bytes.resize(kIniMaxFileBytes);
    std::size_t lastNl = c.bytes.rfind('\n');
    c.bytes.resize(lastNl == std::string::npos ? 0 : lastNl + 1);
  }
  return c;
}

// Creates the missing folders with mode 0700, as private configuration folders are made.
bool CreateFolders(const fs::path& dir) {
  fs::path partial;
  for (const fs::path& part : dir) {
    partial /= part;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return IsDirectory(dir);
}

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

bool ReplaceAtomically(const fs::path& target, std::string_view content, const FileContent& old) {
  fs::path tempPath;
  // An unnamed file leaves nothing behind when the writer is killed while writing it.
  int fd = open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  const bool unnamed = fd >= 0;
  if (!unnamed) fd = CreateNamedTempFile(target, tempPath);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content);
  if (ok && old.exists) {
    // Keep the owner, group and mode of the file being replaced. Only root may hand a file
    // to another owner; for anyone else the user's own file keeps its owner anyway.
    [[maybe_unused]] int owned = fchown(fd, old.st.st_uid, old.st.st_gid);
    ok = fchmod(fd, old.st.st_mode & 07777) == 0;
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

FileStamp StampOf(bool exists, const struct stat& st) {
  FileStamp s;
  if (!exists) return s;
  s.exists = true;
  s.device = static_cast<std::uint64_t>(st.st_dev);
  s.inode = static_cast<std::uint64_t>(st.st_ino);
  s.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  s.size = static_cast<std::int64_t>(st.st_size);
  return s;
}

FileStamp StampOfPath(const fs::path& path) {
  struct stat st;
  const bool exists = stat(path.c_str(), &st) == 0;
  return StampOf(exists, st);
}

// The file's own write bits: a file without any is read-only for everyone, root included,
// as a read-only attribute is; otherwise the caller must be allowed to write it.
bool MayWrite(const fs::path& target, const FileContent& old) {
  if (!old.exists) return true;
  if ((old.st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

IniDocument IniFile::Load() const {
  const fs::path target = WriteTarget(path_);
  fs::path dir = FolderOf(target);
  seen_ = FileStamp{};
  if (!IsDirectory(dir)) return IniDocument();
  FolderLock lock(dir, LOCK_SH);
  FileContent c = ReadFileContent(target);
  seen_ = StampOf(c.exists, c.st);
  if (!c.exists || !c.ok) return IniDocument();
  return IniDocument::Parse(std::move(c.bytes));
}

FileStamp IniFile::Stamp() const { return StampOfPath(WriteTarget(path_)); }

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
  return Load().GetString(section, key, defaultValue);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  return Load().GetInt(section, key, defaultValue);
}

bool IniFile::Edit(const std::function<bool(IniDocument&)>& edit) {
  try {
    const fs::path target = WriteTarget(path_);
    const fs::path dir = FolderOf(target);
    if (!IsDirectory(dir)) {
      // Nothing on disk yet: create the folder only if the edit leaves something to store.
      IniDocument probe;
      if (!edit(probe)) return false;
      if (probe.IsEmpty()) {
        seen_ = FileStamp{};
        return true;
      }
      if (!CreateFolders(dir)) return false;
    }
    FolderLock lock(dir, LOCK_EX);
    FileContent old = ReadFileContent(target);
    if (!old.ok || old.tooLarge || !MayWrite(target, old)) return false;
    IniDocument doc = IniDocument::Parse(old.bytes);
    if (!edit(doc)) return false;
    std::string content = doc.Serialize();
    bool ok;
    if (old.exists && content == old.bytes) {
      ok = true;
    } else if (doc.IsEmpty()) {
      ok = !old.exists || unlink(target.c_str()) == 0 || errno == ENOENT;
    } else if (content.size() > kIniMaxFileBytes) {
      return false;  // it could not be read back whole
    } else {
      if (lock.held()) SweepDeadWritersFiles(target);
      ok = ReplaceAtomically(target, content, old);
    }
    // Still under the lock: no other writer can have come between.
    if (ok) seen_ = StampOfPath(target);
    return ok;
  } catch (...) {
    return false;  // out of memory or a path that cannot be built: a failed write
  }
}

bool IniFile::WriteString(std::string_view section, std::string_view key,
                          std::optional<std::string_view> value) {
  if (!value) return DeleteKey(section, key);
  return Edit([&](IniDocument& doc) {
    return doc.Set(section, key, *value) != IniDocument::EditResult::kInvalid;
  });
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
  return Edit([&](IniDocument& doc) {
    doc.DeleteKey(section, key);
    return true;
  });
}

bool IniFile::DeleteSection(std::string_view section) {
  return Edit([&](IniDocument& doc) {
    doc.DeleteSection(section);
    return true;
  });
}

bool IniFile::Exists() const {
  struct stat st;
  return stat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IniFile::RemoveIfEmpty() {
  const fs::path target = WriteTarget(path_);
  const fs::path dir = FolderOf(target);
  if (!IsDirectory(dir)) return true;
  FolderLock lock(dir, LOCK_EX);
  FileContent old = ReadFileContent(target);
  if (!old.exists || !old.ok || old.st.st_size != 0) return true;
  if (!MayWrite(target, old)) return false;
  if (unlink(target.c_str()) != 0 && errno != ENOENT) return false;
  if (seen_ == StampOf(true, old.st)) seen_ = FileStamp{};
  return true;
}

}  // namespace zelvik
