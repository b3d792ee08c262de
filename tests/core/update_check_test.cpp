// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "config/gbk.h"
#include "update/list_file.h"
#include "update/update_check.h"
#include "update/update_list.h"
#include "update_fakes.h"

namespace zelvik::update {
namespace {

namespace fs = std::filesystem;
using namespace testing_fakes;
using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

struct Offer {
  std::string version = "4.3";
  std::vector<std::pair<std::string, std::string>> files = {{"zelvik43", "#!new program"}, {"readme.txt", "notes"}};
  std::string upexe = "zelvik43";
  int upnumber = -1;  // the number of files
};

std::string ListText(const Offer& o, bool hashes = true) {
  std::string text = "[newversion]\r\nnewversion=" + o.version + "\r\n[upexe]\r\nupexe=" + o.upexe +
                     "\r\n[upnumber]\r\nupnumber=" +
                     std::to_string(o.upnumber >= 0 ? o.upnumber : static_cast<int>(o.files.size())) +
                     "\r\n[filelist]\r\n";
  for (std::size_t i = 0; i < o.files.size(); ++i) text += std::to_string(i + 1) + "=" + o.files[i].first + "\r\n";
  if (hashes) {
    text += "[sha256]\r\n";
    for (std::size_t i = 0; i < o.files.size(); ++i) {
      text += std::to_string(i + 1) + "=" + FakeHash(o.files[i].second) + "\r\n";
    }
  }
  return text;
}

class UpdateCheckTest : public testing::Test {
 protected:
  void Serve(const Offer& o) {
    const std::string list = *Utf8ToGbk(ListText(o));
    ftp.files["updateMW/list.ini"] = list;
    ftp.files["updateMW/list.ini.sig"] = FakeSign(list);
    for (const auto& [name, bytes] : o.files) ftp.files["updateMW/" + name] = bytes;
  }
  UpdateContext Context() {
    return UpdateContext{dir.path(), "zelvik", "4.2", "ftp://127.0.0.1:21/", &log};
  }
  CheckResult Check() { return CheckForUpdate(Context(), ftp, files, crypto, questions); }
  // The folder holds the running copy and a file of the previous release.
  void Install() {
    WriteBytes(dir.path() / "zelvik", "#!old program");
    WriteBytes(dir.path() / "readme.txt", "old notes");
    WriteBytes(dir.path() / "ConfigMW.ini", "[Setting]\ndanwei=1\n");
  }
  void ExpectNothingChanged(const std::map<std::string, std::string>& before) {
    EXPECT_EQ(Snapshot(dir.path()), before) << log.str();
  }

  TempDir dir;
  FakeFtp ftp;
  FlakyFiles files;
  FakeCrypto crypto;
  FakeQuestions questions;
  std::ostringstream log;
};

// Every client, the real one too, fetches at most a hundred files of one update.
TEST(FtpClientTest, AHundredFilesAtMost) {
  TempDir dir;
  FakeFtp ftp;
  ftp.files["f"] = "x";
  ftp.ConnectServer("server");
  const std::vector<std::string> remote(kMaxUpdateFiles + 1, "f");
  const std::vector<fs::path> local(kMaxUpdateFiles + 1, dir.path() / "f");
  EXPECT_EQ(ftp.GetFiles(remote, local), 1);
  EXPECT_EQ(ftp.requests.size(), 100u);
  EXPECT_FALSE(ftp.failed(99));
  EXPECT_TRUE(ftp.failed(100));
  EXPECT_EQ(ftp.GetFiles({"f", "missing", "f"}, {local[0], local[0]}), 2);  // one without a place to go
  EXPECT_EQ(std::vector<bool>({ftp.failed(0), ftp.failed(1), ftp.failed(2)}), std::vector<bool>({false, true, true}));
}

TEST_F(UpdateCheckTest, SameOrOlderVersionAsksNothingAndLeavesNoList) {
  for (const char* version : {"4.2", "4.1", "4.20", "", "x"}) {
    Install();
    const auto before = Snapshot(dir.path());
    Offer o;
    o.version = version;
    Serve(o);
    const CheckResult r = Check();
    EXPECT_EQ(r.result, 0) << version;
    EXPECT_FALSE(r.asked) << version;
    EXPECT_EQ(r.upexe, "zelvik43");
    ExpectNothingChanged(before);
    EXPECT_FALSE(ftp.connected) << "connection left open";
  }
  EXPECT_TRUE(questions.asked.empty());
}

TEST_F(UpdateCheckTest, NewerVersionDownloadsEverythingAndNamesTheOldCopy) {
  Install();
  Offer o;
  o.files.push_back({"doc/钢材.txt", "in a new folder"});
  Serve(o);
  const CheckResult r = Check();
  ASSERT_EQ(r.result, 1) << log.str();
  EXPECT_EQ(r.upexe, "zelvik43");
  EXPECT_EQ(questions.asked, std::vector<std::string>{kAskUpdateText});
  EXPECT_EQ(questions.told, std::vector<std::string>{kDownloadedText});
  EXPECT_EQ(ReadBytes(dir.path() / "zelvik43"), "#!new program");
  EXPECT_EQ(ReadBytes(dir.path() / "readme.txt"), "notes");
  EXPECT_EQ(ReadBytes(dir.path() / "doc/钢材.txt"), "in a new folder");
  EXPECT_EQ(ReadBytes(dir.path() / "zelvik"), "#!old program");
  struct stat st;
  ASSERT_EQ(::stat((dir.path() / "zelvik43").c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IXUSR, 0u);
  CIniFile list;
  ASSERT_TRUE(list.OpenIniFile(dir.path() / "list.ini"));
  EXPECT_EQ(list.GetValue("oldexe", "oldexe"), "zelvik");
  EXPECT_EQ(list.GetValue("upexe", "upexe"), "zelvik43");
  EXPECT_FALSE(fs::exists(dir.path() / ".zelvik-update"));
  EXPECT_FALSE(ftp.connected);
}

TEST_F(UpdateCheckTest, NoFromTheUserChangesNothing) {
  Install();
  const auto before = Snapshot(dir.path());
  Serve(Offer{});
  questions.answer = false;
  EXPECT_EQ(Check().result, 0);
  EXPECT_EQ(questions.asked.size(), 1u);
  EXPECT_TRUE(questions.told.empty());
  ExpectNothingChanged(before);
}

// A move into place that fails, wherever it comes: every move is undone, the folder is left
// exactly as it was and nothing is confirmed. (Downloads that fail or do not match their
// hash are tried against a real server in the platform tests.)
TEST_F(UpdateCheckTest, AFailedMoveUndoesTheOthers) {
  const struct {
    const char* name;
    std::function<void(FakeFtp&, FlakyFiles&)> spoil;
  } rows[] = {
      // Renames: 0 moves the program in, 1 and 2 the old readme aside and the new one in,
      // 3 and 4 the same for the list file.
      {"the first move fails", [](FakeFtp&, FlakyFiles& fl) { fl.failRenameAt = 0; }},
      {"moving an old file aside fails", [](FakeFtp&, FlakyFiles& fl) { fl.failRenameAt = 1; }},
      {"a move in the middle fails", [](FakeFtp&, FlakyFiles& fl) { fl.failRenameAt = 2; }},
      {"the list's move fails", [](FakeFtp&, FlakyFiles& fl) { fl.failRenameAt = 4; }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Install();
    WriteBytes(dir.path() / "list.ini", "[oldexe]\noldexe=earlier\n");
    const auto before = Snapshot(dir.path());
    Serve(Offer{});
    files = FlakyFiles();
    row.spoil(ftp, files);
    questions = FakeQuestions();
    EXPECT_EQ(Check().result, 0);
    EXPECT_EQ(questions.asked.size(), 1u);
    EXPECT_TRUE(questions.told.empty());
    ExpectNothingChanged(before);
  }
}

TEST_F(UpdateCheckTest, UnacceptableNamesRefuseTheWholeUpdate) {
  const struct {
    const char* name;
    std::function<void(Offer&)> spoil;
  } rows[] = {
      {"parent folder", [](Offer& o) { o.files[1].first = "../readme.txt"; }},
      {"parent inside", [](Offer& o) { o.files[1].first = "doc/../../x"; }},
      {"absolute", [](Offer& o) { o.files[1].first = "/etc/profile.d/x.sh"; }},
      {"backslash", [](Offer& o) { o.files[1].first = "..\\x"; }},
      {"control character", [](Offer& o) { o.files[1].first = "read\x1b]me"; }},
      {"the configuration file", [](Offer& o) { o.files[1].first = "ConfigMW.ini"; }},
      {"the configuration file in other case", [](Offer& o) { o.files[1].first = "configmw.INI"; }},
      {"the list file", [](Offer& o) { o.files[1].first = "LIST.ini"; }},
      {"the signature", [](Offer& o) { o.files[1].first = "List.Ini.Sig"; }},
      {"the staging folder", [](Offer& o) { o.files[1].first = ".zelvik-update/x"; }},
      {"empty component", [](Offer& o) { o.files[1].first = "doc//x"; }},
      {"dot component", [](Offer& o) { o.files[1].first = "./x"; }},
      {"twice", [](Offer& o) { o.files[1].first = "zelvik43"; }},
      {"upexe not a listed file", [](Offer& o) { o.upexe = "zelvik"; }},
      {"upnumber 0", [](Offer& o) { o.upnumber = 0; }},
      {"upnumber 101", [](Offer& o) { o.upnumber = 101; }},
      {"more files than listed", [](Offer& o) { o.upnumber = 3; }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Install();
    const auto before = Snapshot(dir.path());
    Offer o;
    row.spoil(o);
    ftp = FakeFtp();
    Serve(o);
    log.str("");
    EXPECT_EQ(Check().result, 0);
    ExpectNothingChanged(before);
    EXPECT_NE(log.str().find("refused"), std::string::npos) << log.str();
  }
  EXPECT_TRUE(questions.asked.empty());
}

TEST_F(UpdateCheckTest, ASymbolicLinkDoesNotLeadOutOfTheFolder) {
  TempDir outside;
  Install();
  fs::create_directory_symlink(outside.path(), dir.path() / "doc");
  Offer o;
  o.files[1].first = "doc/x.txt";
  Serve(o);
  EXPECT_EQ(Check().result, 0);
  EXPECT_TRUE(fs::is_empty(outside.path()));
  EXPECT_TRUE(questions.asked.empty());
}

TEST_F(UpdateCheckTest, AnInstalledCopyDownloadsNothing) {
  Install();
  Serve(Offer{});
  files.installed = true;
  EXPECT_EQ(Check().result, 0);
  EXPECT_EQ(ftp.connects, 0);
  EXPECT_TRUE(ftp.requests.empty());
  EXPECT_FALSE(Files().CanUpdateFolder("/usr/bin"));
  EXPECT_FALSE(Files().CanUpdateFolder(dir.path() / "missing"));
  EXPECT_TRUE(Files().CanUpdateFolder(dir.path()));
}

TEST_F(UpdateCheckTest, NoConnectionNoDownload) {
  Serve(Offer{});
  ftp.refuseConnection = true;
  EXPECT_EQ(Check().result, 0);
  EXPECT_TRUE(ftp.requests.empty());
  EXPECT_FALSE(fs::exists(dir.path() / ".zelvik-update"));
}

class CleanUpTest : public testing::Test {
 protected:
  CleanUpOutcome CleanUp(const std::string& self = "zelvik43") {
    UpdateContext ctx{dir.path(), self, "4.2", "", &log};
    return CleanUpAfterUpdate(ctx, files, processes);
  }
  TempDir dir;
  Files files;
  FakeProcesses processes;
  std::ostringstream log;
};

TEST_F(CleanUpTest, EndsTheOldCopyAndDeletesItAndTheList) {
  WriteBytes(dir.path() / "zelvik", "old");
  WriteBytes(dir.path() / "zelvik43", "new");
  WriteBytes(dir.path() / "list.ini", "[upexe]\nupexe=zelvik43\n\n[oldexe]\noldexe=zelvik\n");
  const CleanUpOutcome out = CleanUp();
  EXPECT_EQ(out.result, CleanUpResult::kCleaned);
  EXPECT_EQ(out.oldexe, "zelvik");
  EXPECT_EQ(processes.ended, std::vector<fs::path>{dir.path() / "zelvik"});
  EXPECT_FALSE(fs::exists(dir.path() / "zelvik"));
  EXPECT_FALSE(fs::exists(dir.path() / "list.ini"));
  EXPECT_TRUE(fs::exists(dir.path() / "zelvik43"));
}

TEST_F(CleanUpTest, LeavesEverythingWhenThereIsNothingToEnd) {
  const struct {
    const char* name;
    std::string list;  // empty: no list file
    CleanUpResult result;
  } rows[] = {
      {"no list", "", CleanUpResult::kNoList},
      {"this copy downloaded it", "[oldexe]\noldexe=zelvik43\n", CleanUpResult::kSameCopy},
      {"no oldexe", "[upexe]\nupexe=zelvik43\n", CleanUpResult::kNoOldCopy},
      {"old executable gone", "[oldexe]\noldexe=zelvik-gone\n", CleanUpResult::kNoOldCopy},
      {"a folder part", "[oldexe]\noldexe=sub/zelvik\n", CleanUpResult::kRefusedName},
      {"a parent", "[oldexe]\noldexe=../zelvik\n", CleanUpResult::kRefusedName},
      {"the configuration file", "[oldexe]\noldexe=ConfigMW.ini\n", CleanUpResult::kRefusedName},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(dir.path() / "list.ini");
    WriteBytes(dir.path() / "zelvik", "old");
    fs::create_directories(dir.path() / "sub");
    WriteBytes(dir.path() / "sub/zelvik", "other");
    WriteBytes(dir.path() / "ConfigMW.ini", "[Setting]\n");
    if (!row.list.empty()) WriteBytes(dir.path() / "list.ini", row.list);
    const auto before = Snapshot(dir.path());
    EXPECT_EQ(CleanUp().result, row.result);
    EXPECT_TRUE(processes.ended.empty());
    EXPECT_EQ(Snapshot(dir.path()), before);
  }
}

}  // namespace
}  // namespace zelvik::update
