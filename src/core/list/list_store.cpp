// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "config/config_path.h"
#include "util/atomic_file.h"

namespace zelvik {

namespace {

namespace fs = std::filesystem;

enum class ReadStatus { kOk, kMissing, kFailed, kTooLarge };

ReadStatus ReadWhole(const fs::path& path, std::string& bytes) {
  // O_NONBLOCK: a FIFO in the file's place must not hang the program.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kFailed;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return ReadStatus::kFailed;
  }
  bytes.clear();
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      return ReadStatus::kFailed;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxListFileBytes) {
      close(fd);
      return ReadStatus::kTooLarge;
    }
  }
  close(fd);
  return ReadStatus::kOk;
}

}  // namespace

fs::path CurrentListPath() {
  // Relative values are invalid by the XDG rules and are ignored.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  fs::path base;
  if (xdg && *xdg == '/') {
    base = xdg;
  } else {
    const fs::path home = HomeFolder();
    base = home.empty() ? fs::path(".") : home / ".local" / "share";
  }
  return base / "zelvik" / "current.csv";
}

ListFileResult ReadListFile(const fs::path& path, const SpecResolver& resolver) {
  std::string bytes;
  switch (ReadWhole(path, bytes)) {
    case ReadStatus::kOk: return ReadListCsv(bytes, resolver);
    case ReadStatus::kMissing: return ListFileProblem{0, "文件不存在"};
    case ReadStatus::kTooLarge: return ListFileProblem{0, "文件太大"};
    case ReadStatus::kFailed: break;
  }
  return ListFileProblem{0, "无法读取文件"};
}

bool WriteListFile(const fs::path& path, std::span<const ListRow> rows, int decimals) {
  try {
    const fs::path target = WriteTarget(path);
    if (!IsDirectory(FolderOf(target)) && !CreateFolders(FolderOf(target))) return false;
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false;
    SweepDeadWritersFiles(target);
    return ReplaceAtomically(target, WriteListCsv(rows, decimals), exists ? &old : nullptr);
  } catch (...) {
    return false;  // out of memory or a path that cannot be built: a failed write
  }
}

ListFileResult CurrentListStore::Load(const SpecResolver& resolver) const {
  std::string bytes;
  switch (ReadWhole(path_, bytes)) {
    case ReadStatus::kOk: return ReadListCsv(bytes, resolver);
    case ReadStatus::kMissing: return std::vector<ListRow>();
    case ReadStatus::kTooLarge: return ListFileProblem{0, "文件太大"};
    case ReadStatus::kFailed: break;
  }
  return ListFileProblem{0, "无法读取文件"};
}

fs::path CurrentListStore::SetAside() const {
  const fs::path aside = path_.parent_path() / "current.unreadable.csv";
  if (rename(path_.c_str(), aside.c_str()) != 0) return {};
  return aside;
}

}  // namespace zelvik
