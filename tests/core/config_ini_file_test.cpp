// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "config/ini_file.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;
using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;


std::vector<std::string> Entries(const fs::path& dir) { return testing_files::FolderEntries(dir); }

class IniFileTest : public testing::Test {
 protected:
  TempDir dir_;
  fs::path path_ = dir_.path() / "ConfigMW.ini";
  IniFile ini_{path_};
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndDeletesCreateNothing) {
  EXPECT_EQ(ini_.GetString("Setting", "danwei", "d"), "d");
  EXPECT_EQ(ini_.GetInt("Setting", "danwei", 5), 5);
  EXPECT_TRUE(ini_.DeleteKey("Setting", "danwei"));
  EXPECT_TRUE(ini_.WriteString("Setting", "danwei", std::nullopt));
  EXPECT_TRUE(ini_.DeleteSection("Setting"));
  EXPECT_TRUE(ini_.RemoveIfEmpty());
  EXPECT_TRUE(Entries(dir_.path()).empty());
}

TEST_F(IniFileTest, MissingFolderCreatedOnlyByAWriteThatStoresSomething) {
  fs::path nested = dir_.path() / "xdg" / "zelvik" / "ConfigMW.ini";
  IniFile ini(nested);
  EXPECT_EQ(ini.GetString("A", "k", "d"), "d");
  EXPECT_TRUE(ini.DeleteKey("A", "k"));
  EXPECT_TRUE(ini.Edit([](IniDocument& d) {
    d.Set("A", "k", "v");
    d.DeleteKey("A", "k");
    return true;
  }));
  EXPECT_FALSE(fs::exists(dir_.path() / "xdg"));
  ASSERT_TRUE(ini.WriteString("A", "k", "v"));
  EXPECT_EQ(ReadBytes(nested), "[A]\nk=v\n");
  EXPECT_EQ(fs::status(nested.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(IniFileTest, ChineseTextIsGbkOnDiskAndUtf8Inside) {
  ASSERT_TRUE(ini_.WriteString("角钢", "型号1", "∠20×20×3"));
  ASSERT_TRUE(ini_.WriteString("角钢", "单重1", "0.889"));
  EXPECT_EQ(ReadBytes(path_),  // [角钢] 型号1=∠20×20×3 单重1=0.889
            "[\xBD\xC7\xB8\xD6]\n"
            "\xD0\xCD\xBA\xC5"
            "1=\xA1\xCF"
            "20\xA1\xC1"
            "20\xA1\xC1"
            "3\n"
            "\xB5\xA5\xD6\xD8"
            "1=0.889\n");
  IniFile other(path_);
  EXPECT_EQ(other.GetString("角钢", "型号1"), "∠20×20×3");
  EXPECT_EQ(other.GetString("角钢", "单重1"), "0.889");
}

TEST_F(IniFileTest, WritesKeepEveryOtherByteOfTheFile) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;  // after writing [Setting] danwei=1
  };
  const std::string garbage("\x01\x00\xFF\xFE[\x00]=\x81\x00\r\x00\x7F", 13);
  const Case cases[] = {
      {"InvalidGbkLine", "[Setting]\nhidetubiao=1\nbad=\x81\x20\xFF\n; c\n",
       "[Setting]\nhidetubiao=1\nbad=\x81\x20\xFF\n; c\ndanwei=1\n"},
      {"CrLfNoFinalNewline", "[X]\r\na=1\r\n\r\n[Setting]\r\nminirun=1",
       "[X]\r\na=1\r\n\r\n[Setting]\r\nminirun=1\r\ndanwei=1\r\n"},
      {"BinaryGarbageWithNuls", garbage, garbage + "\n[Setting]\ndanwei=1\n"},
      {"LinesWithoutEquals", "just text\n[Setting]\nno equals here\n",
       "just text\n[Setting]\nno equals here\ndanwei=1\n"},
      {"DuplicateSectionsAndKeys", "[Setting]\ndanwei=2\ndanwei=3\n[Setting]\ndanwei=4\n",
       "[Setting]\ndanwei=1\ndanwei=3\n[Setting]\ndanwei=4\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path_, c.before);
    ASSERT_TRUE(ini_.WriteString("Setting", "danwei", "1"));
    EXPECT_EQ(ReadBytes(path_), c.after);
    EXPECT_EQ(ini_.GetInt("Setting", "danwei", 0), 1);
  }
}

TEST_F(IniFileTest, FileOverTheCapIsReadButNeverWritten) {
  struct Case {
    std::size_t size;
    bool writeOk;   // adds a key
    bool deleteOk;  // shrinks the file
  };
  const Case cases[] = {{kIniMaxFileBytes - 64, true, true},
                        {kIniMaxFileBytes, false, true},
                        {kIniMaxFileBytes + 1, false, false},
                        {kIniMaxFileBytes * 2, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    std::string bytes = "[A]\nk=v\n[Filler]\n";
    const std::string line = "some=filler text line\n";
    while (bytes.size() + line.size() <= c.size) bytes += line;
    bytes.append(c.size - bytes.size(), 'x');

    WriteBytes(path_, bytes);
    EXPECT_EQ(ini_.GetString("A", "k"), "v");
    EXPECT_EQ(ini_.WriteString("A", "k2", "w"), c.writeOk);
    if (!c.writeOk) {
      EXPECT_EQ(ReadBytes(path_), bytes);
    }
    WriteBytes(path_, bytes);
    EXPECT_EQ(ini_.DeleteKey("A", "k"), c.deleteOk);
    if (!c.deleteOk) {
      EXPECT_EQ(ReadBytes(path_), bytes);
    }
    EXPECT_EQ(Entries(dir_.path()), std::vector<std::string>{"ConfigMW.ini"});
  }
}

TEST_F(IniFileTest, WritesAreAtomicAndKeepPermissions) {
  ASSERT_TRUE(ini_.WriteString("A", "x", "1"));
  ASSERT_EQ(chmod(path_.c_str(), 0640), 0);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(ini_.WriteString("A", "k" + std::to_string(i), "v"));
  ASSERT_TRUE(ini_.DeleteKey("A", "k0"));
  EXPECT_EQ(Entries(dir_.path()), std::vector<std::string>{"ConfigMW.ini"});
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::mask, static_cast<fs::perms>(0640));
}

TEST_F(IniFileTest, EmptiedFileIsDeletedOtherSectionsKeepIt) {
  ASSERT_TRUE(ini_.WriteString("A", "x", "1"));
  ASSERT_TRUE(ini_.WriteString("B", "y", "2"));
  ASSERT_TRUE(ini_.DeleteKey("A", "x"));
  EXPECT_EQ(ReadBytes(path_), "[B]\ny=2\n");
  ASSERT_TRUE(ini_.WriteString("B", "y", std::nullopt));
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(IniFileTest, TwoObjectsOnOneFileKeepEachOthersKeys) {
  IniFile a(path_), b(path_);
  ASSERT_TRUE(a.WriteString("S", "k1", "1"));
  ASSERT_TRUE(b.WriteString("S", "k2", "2"));
  ASSERT_TRUE(a.WriteString("T", "k3", "3"));
  ASSERT_TRUE(b.DeleteKey("S", "k1"));
  EXPECT_EQ(ReadBytes(path_), "[S]\nk2=2\n[T]\nk3=3\n");
}

TEST_F(IniFileTest, ConcurrentWritersLoseNoKey) {
  constexpr int kWriters = 3;
  constexpr int kKeys = 40;
  std::vector<std::thread> threads;
  for (int w = 0; w < kWriters; ++w) {
    threads.emplace_back([this, w] {
      IniFile own(path_);
      for (int i = 0; i < kKeys; ++i) {
        own.WriteString("S" + std::to_string(w), "k" + std::to_string(i), std::to_string(i));
      }
    });
  }
  for (std::thread& t : threads) t.join();
  IniDocument doc = ini_.Load();
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kKeys; ++i) {
      EXPECT_EQ(doc.GetInt("S" + std::to_string(w), "k" + std::to_string(i), -1), i);
    }
  }
  EXPECT_EQ(Entries(dir_.path()), std::vector<std::string>{"ConfigMW.ini"});
}

TEST_F(IniFileTest, FailedWritesLeaveEverythingAsItWas) {
  WriteBytes(path_, "[A]\nx=1\n");
  EXPECT_FALSE(ini_.WriteString("A", "x", "\xF0\x9F\x98\x80"));  // no GBK code
  EXPECT_FALSE(ini_.WriteString("A", "bad=key", "1"));
  EXPECT_FALSE(ini_.Edit([](IniDocument& d) {
    d.Set("A", "x", "2");
    return false;
  }));
  EXPECT_EQ(ReadBytes(path_), "[A]\nx=1\n");

  // A regular file where the folder should be, and a folder where the file should be.
  WriteBytes(dir_.path() / "plain", "");
  IniFile underFile(dir_.path() / "plain" / "ConfigMW.ini");
  EXPECT_FALSE(underFile.WriteString("A", "x", "1"));
  EXPECT_EQ(underFile.GetString("A", "x", "d"), "d");
  fs::create_directory(dir_.path() / "dir.ini");
  IniFile isDir(dir_.path() / "dir.ini");
  EXPECT_EQ(isDir.GetString("A", "x", "d"), "d");
  EXPECT_FALSE(isDir.WriteString("A", "x", "1"));
  EXPECT_TRUE(fs::is_directory(dir_.path() / "dir.ini"));
}

TEST_F(IniFileTest, WritesGoThroughASymbolicLink) {
  WriteBytes(dir_.path() / "real.ini", "[A]\nx=1\n");
  fs::create_symlink("real.ini", path_);
  ASSERT_TRUE(ini_.WriteString("A", "y", "2"));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadBytes(dir_.path() / "real.ini"), "[A]\nx=1\ny=2\n");
}

TEST_F(IniFileTest, RemoveIfEmptyDeletesOnlyZeroByteFiles) {
  WriteBytes(path_, "\n");
  EXPECT_TRUE(ini_.RemoveIfEmpty());
  EXPECT_TRUE(fs::exists(path_));
  WriteBytes(path_, "");
  EXPECT_TRUE(ini_.RemoveIfEmpty());
  EXPECT_FALSE(fs::exists(path_));
}

}  // namespace
}  // namespace zelvik
