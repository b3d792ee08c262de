// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "test_files.h"
#include "update/update_services.h"

namespace zelvik::update::testing_fakes {

// The update's services as a test drives them: the server is a map of files, the
// signature and the hash are cheap stand-ins, the user answers as told.
inline std::string FakeHash(const std::string& bytes) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016zx", std::hash<std::string>{}(bytes));
  return std::string(buf) + buf + buf + buf;
}
inline std::string FakeSign(const std::string& list) { return "signed:" + FakeHash(list); }

class FakeFtp : public FtpClient {
 public:
  std::map<std::string, std::string> files;  // remote path -> bytes
  std::vector<std::string> requests;
  int connects = 0;
  bool connected = false;
  bool refuseConnection = false;

  bool ConnectServer(const std::string& server) override {
    ++connects;
    connected = !server.empty() && !refuseConnection;
    return connected;
  }
  bool GetFile(const std::string& remote, const std::filesystem::path& local) override {
    requests.push_back(remote);
    auto it = files.find(remote);
    if (!connected || it == files.end()) return false;
    testing_files::WriteBytes(local, it->second);
    return true;
  }
  bool CloseConnection() override {
    const bool was = connected;
    connected = false;
    return was;
  }
};

class FakeCrypto : public Crypto {
 public:
  bool VerifyList(std::string_view list, std::string_view signature) override {
    return signature == FakeSign(std::string(list));
  }
  std::optional<std::string> Sha256Hex(const std::filesystem::path& file) override {
    auto bytes = testing_files::ReadBytes(file);
    if (!bytes) return std::nullopt;
    return FakeHash(*bytes);
  }
};

class FakeQuestions : public Questions {
 public:
  bool answer = true;
  std::vector<std::string> asked, told;
  bool AskYesNo(const std::string& text) override {
    asked.push_back(text);
    return answer;
  }
  void Tell(const std::string& text) override { told.push_back(text); }
};

class FakeProcesses : public Processes {
 public:
  std::vector<std::filesystem::path> started, ended;
  bool Start(const std::filesystem::path& program) override {
    started.push_back(program);
    return true;
  }
  int EndProcessesOf(const std::filesystem::path& executable) override {
    ended.push_back(executable);
    return 1;
  }
};

// The real file operations, one of which can be made to fail.
class FlakyFiles : public Files {
 public:
  int failRenameAt = -1;  // zero-based count of Rename calls
  bool installed = false;
  int renames = 0;
  bool CanUpdateFolder(const std::filesystem::path& folder) override {
    return !installed && Files::CanUpdateFolder(folder);
  }
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (renames++ == failRenameAt) return false;
    return Files::Rename(from, to);
  }
};

// Every file and folder below root with its bytes ("/" for a folder) and its mode.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& root) {
  std::map<std::string, std::string> out;
  for (auto& e : std::filesystem::recursive_directory_iterator(root)) {
    const std::string rel = std::filesystem::relative(e.path(), root).string();
    const auto perms = static_cast<unsigned>(std::filesystem::status(e.path()).permissions());
    out[rel] = (e.is_directory() ? std::string("/") : testing_files::ReadBytes(e.path()).value_or("?")) + " mode " +
               std::to_string(perms);
  }
  return out;
}

}  // namespace zelvik::update::testing_fakes
