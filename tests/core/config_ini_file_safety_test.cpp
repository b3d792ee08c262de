// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration file against odd files and other processes: read-only files, symbolic
// links, UTF-8 saved by an editor, writers that are killed, writers that race.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "config/settings_store.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;
using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

std::vector<std::string> Entries(const fs::path& dir) { return testing_files::FolderEntries(dir); }

class IniFileSafetyTest : public testing::Test {
 protected:
  TempDir dir_;
  fs::path path_ = dir_.path() / "ConfigMW.ini";
  IniFile ini_{path_};
};

// Mode 0444 refuses every writer, root included; the file stays as it was, never deleted.
TEST_F(IniFileSafetyTest, ReadOnlyFileIsNeverWritten) {
  const std::string before = "[Setting]\ndanwei=1\n";
  struct Case {
    const char* name;
    std::function<bool(IniFile&)> write;
  };
  const Case cases[] = {
      {"set", [](IniFile& f) { return f.WriteString("Setting", "autorun", "1"); }},
      {"delete key", [](IniFile& f) { return f.DeleteKey("Setting", "danwei"); }},
      {"delete section", [](IniFile& f) { return f.DeleteSection("Setting"); }},
      {"unit system back to 0", [](IniFile& f) { return SettingsStore(f).StoreUnitSystem(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path_, before);
    ASSERT_EQ(chmod(path_.c_str(), 0444), 0);
    EXPECT_FALSE(c.write(ini_));
    EXPECT_EQ(ReadBytes(path_), before);
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::mask, static_cast<fs::perms>(0444));
    EXPECT_EQ(Entries(dir_.path()), std::vector<std::string>{"ConfigMW.ini"});
    ASSERT_EQ(chmod(path_.c_str(), 0644), 0);
  }
  WriteBytes(path_, "");
  ASSERT_EQ(chmod(path_.c_str(), 0444), 0);
  EXPECT_FALSE(ini_.RemoveIfEmpty());
  EXPECT_TRUE(fs::exists(path_));
}

TEST_F(IniFileSafetyTest, LinkedFileStaysALink) {
  fs::create_directory(dir_.path() / "dotfiles");
  const fs::path real = dir_.path() / "dotfiles" / "ConfigMW.ini";
  WriteBytes(real, "[Setting]\ndanwei=1\n");
  fs::create_symlink("dotfiles/ConfigMW.ini", path_);

  ASSERT_TRUE(ini_.WriteString("Setting", "hidetubiao", "1"));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadBytes(real), "[Setting]\ndanwei=1\nhidetubiao=1\n");
  EXPECT_EQ(ini_.GetInt("Setting", "hidetubiao", 0), 1);

  // Emptied: the target goes, the link stays (dangling) ...
  ASSERT_TRUE(ini_.DeleteSection("Setting"));
  EXPECT_FALSE(fs::exists(real));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ini_.GetInt("Setting", "danwei", 7), 7);

  // ... and the next write recreates the target through it.
  ASSERT_TRUE(ini_.WriteString("Setting", "danwei", "2"));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadBytes(real), "[Setting]\ndanwei=2\n");
  EXPECT_EQ(Entries(dir_.path() / "dotfiles"), std::vector<std::string>{"ConfigMW.ini"});
}

TEST_F(IniFileSafetyTest, DanglingLinkChainIsFollowed) {
  fs::create_symlink("second.ini", path_);
  fs::create_symlink(dir_.path() / "sub" / "real.ini", dir_.path() / "second.ini");
  ASSERT_TRUE(ini_.WriteString("A", "x", "1"));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "second.ini"));
  EXPECT_EQ(ReadBytes(dir_.path() / "sub" / "real.ini"), "[A]\nx=1\n");

  fs::remove(dir_.path() / "second.ini");
  fs::create_symlink("ConfigMW.ini", dir_.path() / "second.ini");  // a loop
  EXPECT_FALSE(ini_.WriteString("A", "x", "2"));
  EXPECT_EQ(ini_.GetString("A", "x", "d"), "d");
}

// An editor saves UTF-8: read it as such and write it back in UTF-8, mark included.
TEST_F(IniFileSafetyTest, Utf8FileStaysUtf8) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {"no mark", "[角钢]\n型号1=∠30×30×2\n单重1=0.9\n",
       "[角钢]\n型号1=∠30×30×2\n单重1=0.9\n型号2=∠40×40×3\n"},
      {"mark", "\xEF\xBB\xBF[角钢]\r\n型号1=∠30×30×2\r\n单重1=0.9\r\n",
       "\xEF\xBB\xBF[角钢]\r\n型号1=∠30×30×2\r\n单重1=0.9\r\n型号2=∠40×40×3\r\n"},
      {"mark, ASCII only", "\xEF\xBB\xBF[Setting]\ndanwei=1\n",
       "\xEF\xBB\xBF[Setting]\ndanwei=1\n[角钢]\n型号2=∠40×40×3\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path_, c.before);
    if (c.before.find("型号1") != std::string::npos) {
      EXPECT_EQ(ini_.GetString("角钢", "型号1"), "∠30×30×2");
    }
    ASSERT_TRUE(ini_.WriteString("角钢", "型号2", "∠40×40×3"));
    EXPECT_EQ(ReadBytes(path_), c.after);
  }
  // Emptied, the file goes, mark and all.
  WriteBytes(path_, "\xEF\xBB\xBF[Setting]\ndanwei=1\n");
  ASSERT_TRUE(ini_.DeleteKey("Setting", "danwei"));
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(IniFileSafetyTest, GbkAndAsciiFilesStayGbk) {
  WriteBytes(path_, "[Setting]\ndanwei=1\n");
  ASSERT_TRUE(ini_.WriteString("角钢", "型号1", "∠30"));
  EXPECT_EQ(ReadBytes(path_), "[Setting]\ndanwei=1\n[\xBD\xC7\xB8\xD6]\n\xD0\xCD\xBA\xC5\x31=\xA1\xCF\x33\x30\n");
  EXPECT_EQ(ini_.GetString("角钢", "型号1"), "∠30");
}

// A GBK file is read as UTF-8 only when its non-ASCII bytes happen to form UTF-8. Every
// section the program writes with Chinese text has a Chinese name whose GBK bytes never do,
// so none of its own files can be misread.
TEST(IniEncoding, TheProgramsChineseSectionNamesAreNeverUtf8InGbk) {
  std::vector<std::string> names = {"角钢", "槽钢", "工字钢", "方管", "钢管", "六角钢", "八角钢", "螺纹钢"};
  for (int i = 1; i <= 68; ++i) names.push_back((i < 10 ? "任务0" : "任务") + std::to_string(i));
  for (const std::string& name : names) {
    IniDocument doc;
    ASSERT_EQ(doc.Set(name, "k", "1"), IniDocument::EditResult::kChanged) << name;
    const std::string bytes = doc.Serialize();
    EXPECT_FALSE(IniDocument::Parse(bytes + "v=\xD6\xB5\n").IsUtf8()) << name;
  }
  EXPECT_TRUE(IniDocument::Parse("[A]\nv=\xD6\xB5\n").IsUtf8());  // the ambiguity itself
}

// Debris of a writer that died between naming its temporary file and renaming it goes with
// the next write; a live writer's file is left alone.
TEST_F(IniFileSafetyTest, NextWriteSweepsDeadWritersFiles) {
  pid_t dead = fork();
  if (dead == 0) _exit(0);
  ASSERT_GT(dead, 0);
  waitpid(dead, nullptr, 0);
  const std::string deadName = ".ConfigMW.ini." + std::to_string(dead) + ".3.tmp";
  const std::string liveName = ".ConfigMW.ini." + std::to_string(getppid()) + ".0.tmp";
  WriteBytes(dir_.path() / deadName, "[A]\nhalf");
  WriteBytes(dir_.path() / liveName, "[A]\n");
  WriteBytes(dir_.path() / ".other.ini.1.0.tmp", "");
  ASSERT_TRUE(ini_.WriteString("A", "x", "1"));
  EXPECT_EQ(Entries(dir_.path()),
            (std::vector<std::string>{".ConfigMW.ini." + std::to_string(getppid()) + ".0.tmp",
                                      ".other.ini.1.0.tmp", "ConfigMW.ini"}));
}

// Two processes writing different keys, each a locked rewrite: none is lost.
TEST_F(IniFileSafetyTest, TwoWriterProcessesLoseNoKey) {
  constexpr int kKeys = 200;
  std::vector<pid_t> children;
  for (const char* section : {"A", "B"}) {
    pid_t pid = fork();
    if (pid == 0) {
      IniFile own(path_);
      bool ok = true;
      for (int i = 0; i < kKeys; ++i) ok = own.WriteString(section, "k" + std::to_string(i), std::to_string(i)) && ok;
      _exit(ok ? 0 : 1);
    }
    ASSERT_GT(pid, 0);
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const IniDocument doc = ini_.Load();
  int found = 0;
  for (const char* section : {"A", "B"}) {
    for (int i = 0; i < kKeys; ++i) found += doc.GetInt(section, "k" + std::to_string(i), -1) == i;
  }
  EXPECT_EQ(found, 2 * kKeys);
  EXPECT_EQ(Entries(dir_.path()), std::vector<std::string>{"ConfigMW.ini"});
}

// A writer killed at random moments: every read sees the old or the new file whole, and no
// stray file outlives the next write.
TEST_F(IniFileSafetyTest, KilledWriterLeavesAWholeFile) {
  // Large enough that the write is a good part of each cycle, so kills land inside it.
  auto content = [](char fill) {
    std::string value(64, fill);
    std::string doc = "[Big]\n";
    for (int i = 0; i < 4000; ++i) doc += "k" + std::to_string(i) + "=" + value + "\n";
    return doc;
  };
  const std::string a = content('a'), b = content('b');
  const IniDocument docs[2] = {IniDocument::Parse(a), IniDocument::Parse(b)};
  auto writeOnce = [&](IniFile& file, int i) {
    return file.Edit([&](IniDocument& doc) {
      doc = docs[i % 2];
      return true;
    });
  };
  WriteBytes(path_, a);
  // Kill anywhere within the first two write cycles, whatever this machine's speed.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(writeOnce(ini_, i));
  const auto cycleUs =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() / 4;
  std::mt19937 rng(20261209);
  std::uniform_int_distribution<long> delayUs(0, 2 * cycleUs + 100);
  constexpr int kKills = 200;
  int whole = 0, killed = 0, debris = 0;
  for (int round = 0; round < kKills; ++round) {
    pid_t pid = fork();
    if (pid == 0) {
      IniFile own(path_);
      for (int i = 1;; ++i) writeOnce(own, i);
    }
    ASSERT_GT(pid, 0);
    usleep(static_cast<useconds_t>(delayUs(rng)));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    killed += WIFSIGNALED(status);
    const std::optional<std::string> now = ReadBytes(path_);
    whole += now == a || now == b;
    debris += Entries(dir_.path()).size() > 1;
  }
  EXPECT_EQ(killed, kKills);
  EXPECT_EQ(whole, kKills);
  ASSERT_TRUE(ini_.WriteString("Small", "x", "1"));
  EXPECT_EQ(Entries(dir_.path()), std::vector<std::string>{"ConfigMW.ini"});
  RecordProperty("kills", killed);
  RecordProperty("kills_leaving_a_named_temporary_file", debris);
  std::printf("kill loop: %d kills, %d whole reads, %d left a named temporary file, cycle %ld us\n", killed, whole,
              debris, static_cast<long>(cycleUs));
}

}  // namespace
}  // namespace zelvik
