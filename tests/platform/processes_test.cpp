// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/processes.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using Dir = testing_files::TempDir;

// A copy of the shell under the given name runs the traps, then waits on one sleep: to /proc
// it is that program. It forks once, before it reports ready, so no forked child briefly
// shows the same executable while the test ends it.
class StandIn {
 public:
  StandIn(const fs::path& exe, const std::string& traps) {
    fs::create_directories(exe.parent_path());
    fs::copy_file("/bin/sh", exe, fs::copy_options::overwrite_existing);
    const fs::path ready = exe.string() + ".ready";
    const std::string script = traps + "; sleep 60 >/dev/null 2>&1 & : > '" + ready.string() + "'; wait";
    pid_ = ::fork();
    if (pid_ == 0) {
      ::setpgid(0, 0);  // the sleep goes with the group when the test ends
      ::execl(exe.c_str(), exe.c_str(), "-c", script.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    // Ready once the traps are set and the sleep has become a program of its own.
    for (int i = 0; i < 500 && (!fs::exists(ready) || ProcessesRunning(exe).size() != 1); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~StandIn() {
    if (pid_ > 0) {
      ::kill(-pid_, SIGKILL);
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  pid_t pid() const { return pid_; }
  // The process has ended (a zombie, until reaped here).
  bool Ended() const {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string pid, comm, state;
    stat >> pid >> comm >> state;
    return !stat || state == "Z";
  }

 private:
  pid_t pid_ = -1;
};

TEST(Processes, EndsOnlyTheCopyRunningThatExecutable) {
  Dir dir;
  StandIn old(dir.path() / "zelvik", "trap 'echo ended > " + (dir.path() / "term").string() + "; exit 0' TERM");
  StandIn namesake(dir.path() / "other/zelvik", ":");
  ASSERT_EQ(ProcessesRunning(dir.path() / "zelvik"), std::vector<pid_t>{old.pid()});
  ASSERT_EQ(ProcessesRunning(dir.path() / "sub/../zelvik"), std::vector<pid_t>{old.pid()});
  PosixProcesses processes(2000);
  const auto start = Clock::now();
  EXPECT_EQ(processes.EndProcessesOf(dir.path() / "zelvik"), 1);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500)) << "SIGTERM was enough";
  EXPECT_TRUE(old.Ended());
  std::ifstream term(dir.path() / "term");
  std::string word;
  term >> word;
  EXPECT_EQ(word, "ended") << "the copy ran its SIGTERM handler";
  EXPECT_FALSE(namesake.Ended());
  EXPECT_EQ(processes.EndProcessesOf(dir.path() / "missing"), 0);
}

TEST(Processes, ACopyThatIgnoresSigtermIsKilledAfterTheGracePeriod) {
  Dir dir;
  StandIn stubborn(dir.path() / "zelvik", "trap '' TERM");
  PosixProcesses processes(500);
  const auto start = Clock::now();
  EXPECT_EQ(processes.EndProcessesOf(dir.path() / "zelvik"), 1);
  const auto took = Clock::now() - start;
  EXPECT_GE(took, std::chrono::milliseconds(450));
  EXPECT_LT(took, std::chrono::milliseconds(2500));
  EXPECT_TRUE(stubborn.Ended());
}

TEST(Processes, StartRunsAProgramDetached) {
  Dir dir;
  const fs::path script = dir.path() / "new copy";
  std::ofstream(script) << "#!/bin/sh\necho $$ > \"" << (dir.path() / "ran").string() << "\"\n";
  fs::permissions(script, fs::perms::owner_all);
  PosixProcesses processes;
  EXPECT_TRUE(processes.Start(script));
  for (int i = 0; i < 200 && !fs::exists(dir.path() / "ran"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(fs::exists(dir.path() / "ran"));
  EXPECT_FALSE(processes.Start(dir.path() / "missing"));
  std::ofstream(dir.path() / "plain") << "not a program";
  EXPECT_FALSE(processes.Start(dir.path() / "plain"));
}

}  // namespace
}  // namespace zelvik
