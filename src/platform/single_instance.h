// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace zelvik {

// Folder for per-session markers: $ZELVIK_RUNTIME_DIR, else $XDG_RUNTIME_DIR, else a
// private folder under /tmp.
std::filesystem::path RuntimeDir();

// Opens a folder in a place others can write (/tmp): created 0700 at need, refused (-1) when
// it is a symbolic link or belongs to another user, made private when it is not. Returns a
// descriptor of the folder, O_CLOEXEC.
int OpenPrivateFolder(const std::filesystem::path& dir);

// Opens (creating it 0600 at need) a file of the runtime folder, not through a symbolic link;
// -1 without a usable runtime folder.
int OpenRuntimeFile(const std::string& name);

// A named marker that exists while any copy of the program runs: every copy holds a shared
// flock on one file in the runtime folder for its whole life, and a starting copy probes it
// with an exclusive one. The kernel drops the lock with the process, so a crashed copy never
// leaves it behind.
class SingleInstance {
 public:
  explicit SingleInstance(const std::string& name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Another process held the marker when this one was created.
  bool anotherRunning() const { return anotherRunning_; }
  // This process holds the marker (false without a usable runtime folder).
  bool held() const { return fd_ >= 0; }

  // Releases the marker before the end of the process.
  void Release();

 private:
  int fd_ = -1;
  bool anotherRunning_ = false;
};

}  // namespace zelvik
