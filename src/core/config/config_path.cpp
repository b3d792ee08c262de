// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_path.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace zelvik {

namespace {

namespace fs = std::filesystem;

bool IsWritableFolder(const fs::path& dir) {
  struct stat st;
  if (dir.empty() || stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  // Effective ids, and EROFS for a read-only mount, as the actual write will meet them.
  return faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

fs::path UserConfigFolder() {
  // Relative values are invalid by the XDG rules and are ignored.
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg == '/') return xdg;
  fs::path home = HomeFolder();
  if (home.empty()) return {};
  return home / ".config";
}

}  // namespace

fs::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  std::vector<char> buf(16384);
  struct passwd pw;
  struct passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &pw, buf.data(), buf.size(), &found) == 0 && found && found->pw_dir &&
      *found->pw_dir) {
    return found->pw_dir;
  }
  return {};
}

bool IsPackagedFolder(const fs::path& dir) {
  const fs::path normal = dir.lexically_normal();
  auto it = normal.begin();
  if (it == normal.end() || *it != "/") return false;
  if (++it == normal.end()) return false;
  return *it == "usr" || *it == "bin" || *it == "sbin";
}

fs::path ConfigFilePath(const fs::path& executableDir) {
  const char* override = std::getenv(kConfigDirEnv);
  if (override && *override) return fs::path(override) / kConfigFileName;
  if (!IsPackagedFolder(executableDir) && IsWritableFolder(executableDir)) return executableDir / kConfigFileName;
  fs::path base = UserConfigFolder();
  // Without any home there is nowhere better; writes there will simply fail.
  if (base.empty()) return executableDir / kConfigFileName;
  return base / "zelvik" / kConfigFileName;
}

}  // namespace zelvik
