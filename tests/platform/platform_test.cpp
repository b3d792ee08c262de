#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/desktop_calculator.h"
#include "platform/single_instance.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/zelvik-platform-XXXXXX";
    path_ = ::mkdtemp(tmpl);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

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

TEST(SingleInstance, SecondHolderSeesTheFirst) {
  TempDir tmp;
  ::setenv("ZELVIK_RUNTIME_DIR", tmp.path().c_str(), 1);
  {
    SingleInstance first("renwu");
    EXPECT_FALSE(first.anotherRunning());
    // flock is per open file description, so a second open in this process competes too.
    SingleInstance second("renwu");
    EXPECT_TRUE(second.anotherRunning());
    SingleInstance other("other");
    EXPECT_FALSE(other.anotherRunning());
    first.Release();
    SingleInstance third("renwu");
    EXPECT_FALSE(third.anotherRunning());
  }
  // A holder that dies leaves nothing behind.
  const pid_t child = fork();
  if (child == 0) {
    SingleInstance held("renwu");
    _exit(held.anotherRunning() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  SingleInstance after("renwu");
  EXPECT_FALSE(after.anotherRunning());
  ::unsetenv("ZELVIK_RUNTIME_DIR");
}

}  // namespace
}  // namespace zelvik
