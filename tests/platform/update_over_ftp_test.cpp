// SPDX-License-Identifier: GPL-3.0-or-later
// The update check end to end against a real FTP server on loopback, with the real
// signature and hashes; only the user's answer is scripted.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "loopback_ftp.h"
#include "platform/ftp_get.h"
#include "platform/update_crypto.h"
#include "platform/update_signing.h"
#include "update/list_file.h"
#include "update/update_check.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;
using testing_ftp::LoopbackFtp;

using Dir = testing_files::TempDir;

void Write(const fs::path& p, const std::string& bytes) { testing_files::WriteBytes(p, bytes); }
std::string Read(const fs::path& p) { return testing_files::ReadText(p); }

std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> out;
  for (auto& e : fs::recursive_directory_iterator(root)) {
    out[fs::relative(e.path(), root).string()] = e.is_directory() ? "/" : Read(e.path());
  }
  return out;
}

std::string SecretKey() {
  std::ifstream in(std::string(ZELVIK_SOURCE_DIR) + "/tests/data/update-test-secret.key");
  std::string key;
  in >> key;
  return key;
}

class Answer : public update::Questions {
 public:
  int asked = 0, told = 0;
  bool AskYesNo(const std::string&) override { return ++asked > 0; }
  void Tell(const std::string&) override { ++told; }
};

struct Release {
  std::string version = "4.3";
  std::vector<std::pair<std::string, std::string>> files = {{"zelvik43", std::string(300000, 'P')},
                                                            {"readme.txt", "new notes"}};
};

// Puts the release on the server with a list signed by the test key; the hashes are of
// the files as given, so a test may change a file afterwards.
void Publish(const fs::path& root, const Release& r, const std::function<void(std::string&)>& editList = {}) {
  std::string list = "[newversion]\r\nnewversion=" + r.version + "\r\n[upexe]\r\nupexe=" + r.files[0].first +
                     "\r\n[upnumber]\r\nupnumber=" + std::to_string(r.files.size()) + "\r\n[filelist]\r\n";
  for (std::size_t i = 0; i < r.files.size(); ++i) list += std::to_string(i + 1) + "=" + r.files[i].first + "\r\n";
  list += "[sha256]\r\n";
  for (std::size_t i = 0; i < r.files.size(); ++i) {
    Write(root / "updateMW" / r.files[i].first, r.files[i].second);
    list += std::to_string(i + 1) + "=" + *Sha256HexOfFile(root / "updateMW" / r.files[i].first) + "\r\n";
  }
  if (editList) editList(list);
  Write(root / "updateMW/list.ini", list);
  Write(root / "updateMW/list.ini.sig", *SignDetached(list, SecretKey()));
}

class UpdateOverFtpTest : public testing::Test {
 protected:
  void SetUp() override {
    Write(app.path() / "zelvik", "old program");
    Write(app.path() / "readme.txt", "old notes");
    Write(app.path() / "ConfigMW.ini", "[Setting]\r\ndanwei=1\r\n");
  }
  update::CheckResult Check(const std::string& server) {
    update::UpdateContext ctx{app.path(), "zelvik", "4.2", server, &log};
    CFtpGet ftp;
    update::Files files;
    SodiumCrypto crypto(*ParsePublicKey(BuiltInPublicKeyHex()));
    return update::CheckForUpdate(ctx, ftp, files, crypto, answer);
  }
  Dir server, app;
  Answer answer;
  std::ostringstream log;
};

TEST_F(UpdateOverFtpTest, ASignedReleaseIsDownloadedAndPutInPlace) {
  Publish(server.path(), Release{});
  LoopbackFtp ftp(server.path());
  const update::CheckResult r = Check(ftp.url());
  ASSERT_EQ(r.result, 1) << log.str();
  EXPECT_EQ(answer.asked, 1);
  EXPECT_EQ(answer.told, 1);
  EXPECT_TRUE(Read(app.path() / "zelvik43") == std::string(300000, 'P'));
  EXPECT_EQ(Read(app.path() / "readme.txt"), "new notes");
  struct stat st;
  ASSERT_EQ(::stat((app.path() / "zelvik43").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0111, 0111u);
  update::CIniFile list;
  ASSERT_TRUE(list.OpenIniFile(app.path() / "list.ini"));
  EXPECT_EQ(list.GetValue("oldexe", "oldexe"), "zelvik");
  EXPECT_FALSE(fs::exists(app.path() / ".zelvik-update"));
}

TEST_F(UpdateOverFtpTest, EveryMendLeavesTheCopyAsItWas) {
  const struct {
    const char* name;
    std::function<void(const fs::path&)> publish;
    std::vector<std::string> serverOptions;
    int asked;
  } rows[] = {
      {"bad signature",
       [](const fs::path& root) {
         Publish(root, Release{});
         Write(root / "updateMW/list.ini", Read(root / "updateMW/list.ini") + "\r\n");
       },
       {}, 0},
      {"no signature",
       [](const fs::path& root) {
         Publish(root, Release{});
         fs::remove(root / "updateMW/list.ini.sig");
       },
       {}, 0},
      {"hash mismatch",
       [](const fs::path& root) {
         Publish(root, Release{});
         Write(root / "updateMW/readme.txt", "tampered");
       },
       {}, 1},
      {"a file missing on the server",
       [](const fs::path& root) {
         Publish(root, Release{});
         fs::remove(root / "updateMW/readme.txt");
       },
       {}, 1},
      {"traversal",
       [](const fs::path& root) {
         Release r;
         r.files[1].first = "doc/../../readme.txt";
         fs::create_directories(root / "updateMW/doc");
         Publish(root, r);
       },
       {}, 0},
      {"absolute name",
       [](const fs::path& root) {
         Publish(root, Release{}, [](std::string& list) {
           list.replace(list.find("2=readme.txt"), 12, "2=/tmp/zelvik-upd-x");
         });
       },
       {}, 0},
      {"the configuration file",
       [](const fs::path& root) {
         Release r;
         r.files[1].first = "ConfigMW.ini";
         Publish(root, r);
       },
       {}, 0},
      {"the server vanishes mid-download", [](const fs::path& root) { Publish(root, Release{}); },
       {"--die-after", "100000"}, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(server.path() / "updateMW");
    row.publish(server.path());
    const auto before = Snapshot(app.path());
    LoopbackFtp ftp(server.path(), row.serverOptions);
    answer = Answer();
    log.str("");
    EXPECT_EQ(Check(ftp.url()).result, 0);
    EXPECT_EQ(answer.asked, row.asked);
    EXPECT_EQ(answer.told, 0);
    EXPECT_EQ(Snapshot(app.path()), before) << log.str();
    EXPECT_FALSE(fs::exists("/tmp/zelvik-upd-x"));
  }
}

TEST_F(UpdateOverFtpTest, SameVersionLeavesNoListFile) {
  for (const char* version : {"4.2", "4.1"}) {
    Release r;
    r.version = version;
    fs::remove_all(server.path() / "updateMW");
    Publish(server.path(), r);
    const auto before = Snapshot(app.path());
    LoopbackFtp ftp(server.path());
    EXPECT_EQ(Check(ftp.url()).result, 0);
    EXPECT_EQ(answer.asked, 0);
    EXPECT_EQ(Snapshot(app.path()), before);
  }
}

}  // namespace
}  // namespace zelvik
