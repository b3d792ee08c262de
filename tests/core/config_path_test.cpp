// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace zelvik {
namespace {

namespace fs = std::filesystem;

// Sets or unsets an environment variable for the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class ConfigPathTest : public testing::Test {
 protected:
  ConfigPathTest() {
    std::string tmpl = (fs::temp_directory_path() / "zelvik-path-XXXXXX").string();
    dir_ = mkdtemp(tmpl.data()) ? fs::path(tmpl) : fs::path();
  }
  ~ConfigPathTest() override {
    std::error_code ec;
    fs::permissions(dir_ / "readonly", fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

TEST_F(ConfigPathTest, FollowsOverrideThenExecutableFolderThenXdg) {
  const fs::path exe = dir_ / "exe";
  fs::create_directory(exe);
  std::ofstream(dir_ / "file") << "x";
  struct Case {
    const char* name;
    std::optional<std::string> override, xdg, home;
    fs::path exeDir;
    fs::path expected;
  };
  const Case cases[] = {
      {"OverrideWins", "/cfg/dir", "/xdg", "/home/u", exe, "/cfg/dir/ConfigMW.ini"},
      {"EmptyOverrideIgnored", "", "/xdg", "/home/u", exe, exe / "ConfigMW.ini"},
      {"WritableExecutableFolder", std::nullopt, "/xdg", "/home/u", exe, exe / "ConfigMW.ini"},
      {"MissingFolderGoesToXdg", std::nullopt, "/xdg", "/home/u", dir_ / "gone",
       "/xdg/zelvik/ConfigMW.ini"},
      {"FileIsNoFolder", std::nullopt, "/xdg", "/home/u", dir_ / "file",
       "/xdg/zelvik/ConfigMW.ini"},
      {"DefaultXdgUnderHome", std::nullopt, std::nullopt, "/home/u", dir_ / "gone",
       "/home/u/.config/zelvik/ConfigMW.ini"},
      {"RelativeXdgIgnored", std::nullopt, "rel/xdg", "/home/u", dir_ / "gone",
       "/home/u/.config/zelvik/ConfigMW.ini"},
      {"EmptyExecutableFolder", std::nullopt, "/xdg", "/home/u", fs::path(),
       "/xdg/zelvik/ConfigMW.ini"},
      // Installed: never beside the executable, even for root, who may write /usr/bin.
      {"InstalledUnderUsr", std::nullopt, "/xdg", "/home/u", "/usr/bin", "/xdg/zelvik/ConfigMW.ini"},
      {"InstalledUnderUsrLocal", std::nullopt, "/xdg", "/home/u", "/usr/local/bin/",
       "/xdg/zelvik/ConfigMW.ini"},
      {"InstalledUnderBin", std::nullopt, "/xdg", "/home/u", "/bin", "/xdg/zelvik/ConfigMW.ini"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedEnv o(kConfigDirEnv, c.override), x("XDG_CONFIG_HOME", c.xdg), h("HOME", c.home);
    EXPECT_EQ(ConfigFilePath(c.exeDir), c.expected);
  }
  EXPECT_FALSE(fs::exists("/xdg"));  // computing the path creates nothing
  EXPECT_FALSE(fs::exists(exe / "ConfigMW.ini"));
}

TEST(PackagedFolder, OnlyTheSystemsOwnTrees) {
  const std::pair<const char*, bool> cases[] = {
      {"/usr", true},       {"/usr/bin", true},     {"/usr/local/bin", true}, {"/bin", true},
      {"/sbin/", true},     {"/usr/../home/u", false}, {"/home/u/usr", false}, {"/usrx/bin", false},
      {"/opt/zelvik", false}, {"usr/bin", false},   {"", false},              {"/", false},
  };
  for (const auto& [dir, packaged] : cases) EXPECT_EQ(IsPackagedFolder(dir), packaged) << dir;
}

TEST_F(ConfigPathTest, ReadOnlyExecutableFolderGoesToXdg) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write to any folder";
  const fs::path ro = dir_ / "readonly";
  fs::create_directory(ro);
  fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
  ScopedEnv o(kConfigDirEnv, std::nullopt), x("XDG_CONFIG_HOME", "/xdg");
  EXPECT_EQ(ConfigFilePath(ro), fs::path("/xdg/zelvik/ConfigMW.ini"));
}

}  // namespace
}  // namespace zelvik
