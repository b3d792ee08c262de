// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <vector>

#include "update/update_services.h"

namespace zelvik {

// The processes of this user, other than this one, whose executable is exactly this file
// (by /proc/<pid>/exe, so another program of the same name is never taken for it).
std::vector<pid_t> ProcessesRunning(const std::filesystem::path& executable);

class PosixProcesses : public update::Processes {
 public:
  explicit PosixProcesses(int graceMs = 2000) : graceMs_(graceMs) {}

  // Double fork and exec, in a session of its own, so the new program outlives this one
  // and is never this process's zombie. False when the program cannot be executed.
  bool Start(const std::filesystem::path& program) override;
  // SIGTERM, which lets a copy run its exit sequence; SIGKILL after the grace period.
  int EndProcessesOf(const std::filesystem::path& executable) override;

 private:
  int graceMs_;
};

}  // namespace zelvik
