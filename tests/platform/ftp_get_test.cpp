// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "loopback_ftp.h"
#include "platform/ftp_get.h"

#include "test_files.h"

namespace zelvik {
namespace {

namespace fs = std::filesystem;
using testing_ftp::LoopbackFtp;

using Dir = testing_files::TempDir;

void Write(const fs::path& p, const std::string& bytes) { testing_files::WriteBytes(p, bytes); }
std::string Read(const fs::path& p) { return testing_files::ReadText(p); }

std::size_t Entries(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

std::string AllBytes() {
  std::string s;
  for (int round = 0; round < 64; ++round) {
    for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
    s += "\r\n\n\r";
  }
  return s;
}

class FtpGetTest : public testing::Test {
 protected:
  Dir server, local;
};

TEST_F(FtpGetTest, AnEmptyNameFailsAtOnce) {
  CFtpGet ftp;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ftp.ConnectServer(""));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  EXPECT_FALSE(ftp.GetFile("updateMW/list.ini", local.path() / "list.ini"));
  EXPECT_FALSE(ftp.CloseConnection());
}

TEST_F(FtpGetTest, NoServerOnThePort) {
  int port = 0;
  {
    LoopbackFtp gone(server.path());
    port = gone.port();
  }
  CFtpGet ftp;
  EXPECT_FALSE(ftp.ConnectServer("127.0.0.1:" + std::to_string(port)));
  EXPECT_FALSE(ftp.ConnectServer("http://127.0.0.1:1/"));
}

TEST_F(FtpGetTest, DownloadsBinaryAndReplacesTheOldFile) {
  const std::string bytes = AllBytes();
  Write(server.path() / "updateMW/zelvik43", bytes);
  Write(server.path() / "updateMW/文档 1/说明 #1.txt", "spaces, hash and Chinese");
  LoopbackFtp srv(server.path());
  ASSERT_GT(srv.port(), 0);
  Write(local.path() / "zelvik43", "old");
  CFtpGet ftp;
  // A bare host:port and an address both name the server.
  ASSERT_TRUE(ftp.ConnectServer("127.0.0.1:" + std::to_string(srv.port())));
  ASSERT_TRUE(ftp.ConnectServer(srv.url()));
  EXPECT_TRUE(ftp.GetFile("updateMW/zelvik43", local.path() / "zelvik43"));
  EXPECT_TRUE(Read(local.path() / "zelvik43") == bytes);
  EXPECT_TRUE(ftp.GetFile("updateMW/文档 1/说明 #1.txt", local.path() / "n.txt"));
  EXPECT_EQ(Read(local.path() / "n.txt"), "spaces, hash and Chinese");
  EXPECT_TRUE(ftp.CloseConnection());
  EXPECT_FALSE(ftp.CloseConnection());
  EXPECT_EQ(Entries(local.path()), 2u) << "temporary files left";
}

TEST_F(FtpGetTest, GetFilesGoesOnAfterAFailure) {
  Write(server.path() / "updateMW/1.txt", "one");
  Write(server.path() / "updateMW/3.txt", "three");
  LoopbackFtp srv(server.path());
  Write(local.path() / "2.txt", "kept");
  CFtpGet ftp;
  ASSERT_TRUE(ftp.ConnectServer(srv.url()));
  const std::vector<std::string> remote = {"updateMW/1.txt", "updateMW/2.txt", "updateMW/3.txt"};
  const std::vector<fs::path> to = {local.path() / "1.txt", local.path() / "2.txt", local.path() / "3.txt"};
  EXPECT_EQ(ftp.GetFiles(remote, to), 1);
  EXPECT_FALSE(ftp.failed(0));
  EXPECT_TRUE(ftp.failed(1));
  EXPECT_FALSE(ftp.failed(2));
  EXPECT_EQ(Read(to[0]), "one");
  EXPECT_EQ(Read(to[1]), "kept");
  EXPECT_EQ(Read(to[2]), "three");
  EXPECT_EQ(Entries(local.path()), 3u);
}

TEST_F(FtpGetTest, AServerThatVanishesMidDownloadLeavesTheOldFile) {
  Write(server.path() / "updateMW/big", std::string(1 << 20, 'x'));
  LoopbackFtp srv(server.path(), {"--die-after", "100000"});
  Write(local.path() / "big", "old");
  CFtpGet ftp;
  ASSERT_TRUE(ftp.ConnectServer(srv.url()));
  EXPECT_FALSE(ftp.GetFile("updateMW/big", local.path() / "big"));
  EXPECT_TRUE(Read(local.path() / "big") == "old");
  EXPECT_EQ(Entries(local.path()), 1u);
}

TEST_F(FtpGetTest, AStalledServerIsGivenUp) {
  Write(server.path() / "updateMW/slow", std::string(200000, 's'));
  LoopbackFtp srv(server.path(), {"--rate", "4096"});
  CFtpGet ftp;
  ftp.SetTimeouts(15, 100000, 2);
  ASSERT_TRUE(ftp.ConnectServer(srv.url()));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ftp.GetFile("updateMW/slow", local.path() / "slow"));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(10));
  EXPECT_EQ(Entries(local.path()), 0u);
}

TEST_F(FtpGetTest, CancelEndsADownloadAtOnce) {
  Write(server.path() / "updateMW/slow", std::string(200000, 's'));
  LoopbackFtp srv(server.path(), {"--rate", "4096"});
  CFtpGet ftp;
  ASSERT_TRUE(ftp.ConnectServer(srv.url()));
  std::thread canceller([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ftp.Cancel();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ftp.GetFile("updateMW/slow", local.path() / "slow"));
  canceller.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_FALSE(ftp.ConnectServer(srv.url())) << "stays cancelled";
  EXPECT_EQ(Entries(local.path()), 0u);
}

}  // namespace
}  // namespace zelvik
