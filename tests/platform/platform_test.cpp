// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <signal.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/autostart.h"
#include "platform/desktop_calculator.h"
#include "platform/single_instance.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;

using testing_files::TempDir;

void MakeExecutable(const fs::path& file, bool executable = true) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "#!/bin/sh\n";
  ::chmod(file.c_str(), executable ? 0755 : 0644);
}

TEST(DesktopCalculator, FirstCalculatorByPreferenceOnThePath) {
  TempDir tmp;
  const fs::path a = tmp.path() / "a", b = tmp.path() / "b";
  MakeExecutable(a / "xcalc");
  MakeExecutable(b / "kcalc");
  MakeExecutable(b / "gnome-calculator", false);  // not executable: skipped
  const std::string path = a.string() + "::" + b.string();
  EXPECT_EQ(FindDesktopCalculator(path), b / "kcalc");
  EXPECT_EQ(FindDesktopCalculator(a.string()), a / "xcalc");
  EXPECT_EQ(FindDesktopCalculator(""), std::nullopt);
  EXPECT_EQ(FindDesktopCalculator((tmp.path() / "missing").string()), std::nullopt);
}

// A copy in a child process that reports what it saw, then holds the marker until told to
// end (a byte on its pipe).
struct Copy {
  pid_t pid = -1;
  int toChild = -1;
  bool sawAnother = false;

  static Copy Start() {
    int up[2], down[2];
    EXPECT_EQ(pipe(up), 0);
    EXPECT_EQ(pipe(down), 0);
    Copy c;
    c.pid = fork();
    if (c.pid == 0) {
      // Other copies' pipe ends would keep them from seeing their end.
      for (int fd = 3; fd < 1024; ++fd) {
        if (fd != up[1] && fd != down[0]) close(fd);
      }
      SingleInstance marker("renwu");
      const char saw = marker.anotherRunning() ? '1' : '0';
      (void)!write(up[1], &saw, 1);
      char end;
      (void)!read(down[0], &end, 1);
      _exit(0);
    }
    close(up[1]);
    close(down[0]);
    char saw = '?';
    EXPECT_EQ(read(up[0], &saw, 1), 1);
    close(up[0]);
    c.toChild = down[1];
    c.sawAnother = saw == '1';
    return c;
  }
  void End() {
    close(toChild);
    int status = 0;
    waitpid(pid, &status, 0);
  }
};

class SingleInstanceTest : public testing::Test {
 protected:
  void SetUp() override { ::setenv("ZELVIK_RUNTIME_DIR", tmp_.path().c_str(), 1); }
  void TearDown() override { ::unsetenv("ZELVIK_RUNTIME_DIR"); }
  TempDir tmp_;
};

TEST_F(SingleInstanceTest, MarkerLivesWhileAnyCopyRuns) {
  Copy a = Copy::Start();
  Copy b = Copy::Start();
  EXPECT_FALSE(a.sawAnother);
  EXPECT_TRUE(b.sawAnother);
  a.End();  // the first copy goes; the second still runs
  Copy c = Copy::Start();
  EXPECT_TRUE(c.sawAnother);
  b.End();
  c.End();
  Copy d = Copy::Start();
  EXPECT_FALSE(d.sawAnother);
  d.End();
}

TEST_F(SingleInstanceTest, ReleaseAndCrashLeaveNothingBehind) {
  {
    SingleInstance first("renwu");
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(first.anotherRunning());
    SingleInstance other("other");
    EXPECT_FALSE(other.anotherRunning());
    first.Release();
    SingleInstance again("renwu");
    EXPECT_FALSE(again.anotherRunning());
  }
  const pid_t child = fork();
  if (child == 0) {
    SingleInstance held("renwu");
    ::kill(::getpid(), SIGKILL);
  }
  ::waitpid(child, nullptr, 0);
  SingleInstance after("renwu");
  EXPECT_FALSE(after.anotherRunning());
}

// Many copies starting at once: exactly one of them is the first.
TEST_F(SingleInstanceTest, SimultaneousStartsFindExactlyOneFirst) {
  constexpr int kCopies = 4;
  for (int round = 0; round < 20; ++round) {
    std::vector<pid_t> pids;
    int up[2], hold[2];
    ASSERT_EQ(pipe(up), 0);
    ASSERT_EQ(pipe(hold), 0);
    for (int i = 0; i < kCopies; ++i) {
      pid_t pid = fork();
      if (pid == 0) {
        close(hold[1]);
        SingleInstance marker("race");
        const char saw = marker.anotherRunning() ? '1' : '0';
        (void)!write(up[1], &saw, 1);
        char end;
        (void)!read(hold[0], &end, 1);  // every copy runs until all have started
        _exit(0);
      }
      pids.push_back(pid);
    }
    close(up[1]);
    close(hold[0]);
    int firsts = 0, reports = 0;
    char saw;
    while (reports < kCopies && read(up[0], &saw, 1) == 1) {
      ++reports;
      firsts += saw == '0';
    }
    close(hold[1]);
    close(up[0]);
    for (pid_t pid : pids) waitpid(pid, nullptr, 0);
    EXPECT_EQ(firsts, 1) << "round " << round;
  }
}

// After an update the session starts the new copy, if it started the old one.
TEST(XdgAutostart, AnUpdateRetargetsOnlyAnEntryNamingTheOldCopy) {
  TempDir tmp;
  XdgAutostart autostart(tmp.path() / "autostart" / "Zelvik.desktop");
  const fs::path old = "/opt/钢材/zelvik", fresh = "/opt/钢材/zelvik43";
  EXPECT_TRUE(autostart.Retarget(old, fresh));
  EXPECT_FALSE(fs::exists(autostart.entry())) << "no entry is made where there was none";
  for (const auto& [named, after] : {std::pair{old, fresh}, {fs::path("/opt/other/zelvik"), fs::path("/opt/other/zelvik")}}) {
    ASSERT_TRUE(autostart.Enable(named));
    EXPECT_TRUE(autostart.Retarget(old, fresh));
    EXPECT_EQ(testing_files::ReadText(autostart.entry()), *AutostartEntryText(after.string()));
  }
}

TEST(PrivateFolder, RefusesLinksAndOtherUsersFolders) {
  TempDir tmp;
  const fs::path mine = tmp.path() / "zelvik-1000";
  int fd = OpenPrivateFolder(mine);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_EQ(fs::status(mine).permissions() & fs::perms::mask, fs::perms::owner_all);

  ::chmod(mine.c_str(), 0777);  // made private again
  fd = OpenPrivateFolder(mine);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_EQ(fs::status(mine).permissions() & fs::perms::mask, fs::perms::owner_all);

  const fs::path planted = tmp.path() / "zelvik-link";
  fs::create_symlink(mine, planted);
  EXPECT_EQ(OpenPrivateFolder(planted), -1);

  if (::geteuid() == 0) {  // only root can hand a folder to someone else
    const fs::path theirs = tmp.path() / "zelvik-theirs";
    fs::create_directory(theirs);
    ASSERT_EQ(::chown(theirs.c_str(), 12345, 12345), 0);
    EXPECT_EQ(OpenPrivateFolder(theirs), -1);
  }
}

}  // namespace
}  // namespace zelvik
