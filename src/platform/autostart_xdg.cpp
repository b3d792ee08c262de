// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/autostart.h"
#include "util/utf8.h"

namespace zelvik {

namespace {

namespace fs = std::filesystem;

void Report(const char* what, const fs::path& path, int err) {
  std::fprintf(stderr, "zelvik: %s %s: %s\n", what, path.c_str(), std::strerror(err));
}

bool CreateFolders(const fs::path& dir) {
  fs::path partial;
  for (const fs::path& part : dir) {
    partial /= part;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool WriteFileAtomically(const fs::path& target, const std::string& content) {
  const fs::path temp = target.parent_path() / ("." + target.filename().string() + "." + std::to_string(getpid()));
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::string_view rest = content;
  bool ok = true;
  while (ok && !rest.empty()) {
    const ssize_t n = write(fd, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) rest.remove_prefix(static_cast<std::size_t>(n));
  }
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  const int saved = errno;
  if (ok && rename(temp.c_str(), target.c_str()) == 0) return true;
  unlink(temp.c_str());
  errno = saved != 0 ? saved : errno;
  return false;
}

}  // namespace

fs::path DefaultAutostartEntryPath() {
  fs::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return {};
    base = fs::path(home) / ".config";
  }
  return base / "autostart" / "Zelvik.desktop";
}

std::optional<std::string> DesktopExecValue(std::string_view path) {
  if (path.empty() || !IsValidUtf8(path)) return std::nullopt;
  // The argument, quoted by the rules of the Exec key.
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  // Then the value as a string of the entry, whose escapes the reader undoes first.
  std::string value;
  for (char c : quoted) {
    switch (c) {
      case '\\': value += "\\\\"; break;
      case '\n': value += "\\n"; break;
      case '\t': value += "\\t"; break;
      case '\r': value += "\\r"; break;
      default: value += c;
    }
  }
  return value;
}

std::optional<std::string> AutostartEntryText(std::string_view executable) {
  std::optional<std::string> exec = DesktopExecValue(executable);
  if (!exec) return std::nullopt;
  return "[Desktop Entry]\nType=Application\nName=Zelvik\nExec=" + *exec + "\n";
}

XdgAutostart::XdgAutostart(fs::path entry) : entry_(std::move(entry)) {}

bool XdgAutostart::Enable(const fs::path& executable) {
  if (entry_.empty()) {
    std::fprintf(stderr, "zelvik: autostart: no home folder\n");
    return false;
  }
  const std::optional<std::string> text = AutostartEntryText(executable.string());
  if (!text) {
    std::fprintf(stderr, "zelvik: autostart: %s cannot be named in a desktop entry\n", executable.c_str());
    return false;
  }
  if (!CreateFolders(entry_.parent_path())) {
    Report("autostart: cannot create", entry_.parent_path(), errno);
    return false;
  }
  if (!WriteFileAtomically(entry_, *text)) {
    Report("autostart: cannot write", entry_, errno);
    return false;
  }
  return true;
}

bool XdgAutostart::Retarget(const fs::path& from, const fs::path& to) {
  const std::optional<std::string> old = DesktopExecValue(from.string());
  std::ifstream in(entry_);
  if (entry_.empty() || !old || !in) return true;
  std::string line;
  bool names = false;
  while (std::getline(in, line)) names = names || line == "Exec=" + *old;
  return !names || Enable(to);
}

bool XdgAutostart::Disable() {
  if (entry_.empty()) return true;
  if (unlink(entry_.c_str()) == 0 || errno == ENOENT) return true;
  Report("autostart: cannot remove", entry_, errno);
  return false;
}

}  // namespace zelvik
