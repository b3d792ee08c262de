#pragma once

#include <filesystem>
#include <string>

namespace zelvik {

// Folder for per-session markers: $ZELVIK_RUNTIME_DIR, else $XDG_RUNTIME_DIR, else a
// private folder under /tmp.
std::filesystem::path RuntimeDir();

// A named marker held for the life of the process (an flock on a file in the runtime
// folder, so a crashed copy never leaves it behind).
class SingleInstance {
 public:
  explicit SingleInstance(const std::string& name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Another process held the marker when this one was created.
  bool anotherRunning() const { return anotherRunning_; }

  // Releases the marker before the end of the process.
  void Release();

 private:
  int fd_ = -1;
  bool anotherRunning_ = false;
};

}  // namespace zelvik
