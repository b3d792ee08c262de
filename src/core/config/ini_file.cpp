// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

#include "util/atomic_file.h"

namespace zelvik {

namespace {

namespace fs = std::filesystem;

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
      ok = ReplaceAtomically(target, content, old.exists ? &old.st : nullptr);
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
