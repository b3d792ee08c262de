// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvik::update {

// What the update needs of the world, each small enough to fake in a test.

// An FTP client: one connection at a time, binary downloads.
class FtpClient {
 public:
  virtual ~FtpClient() = default;
  virtual bool ConnectServer(const std::string& server) = 0;
  // Downloads remote (relative to the server's root) to local, replacing it only once the
  // whole file has arrived.
  virtual bool GetFile(const std::string& remote, const std::filesystem::path& local) = 0;
  // GetFile for each pair in order, going on after failures; the number of failures. At most
  // kMaxUpdateFiles pairs are fetched: every pair beyond fails, as does a pair without its
  // other half. failed(i) tells which.
  virtual int GetFiles(const std::vector<std::string>& remote, const std::vector<std::filesystem::path>& local);
  virtual bool CloseConnection() = 0;

  bool failed(std::size_t i) const { return i < failed_.size() && failed_[i]; }

 private:
  std::vector<bool> failed_;
};

// The release key and the file hashes.
class Crypto {
 public:
  virtual ~Crypto() = default;
  // The signature is the release key's detached signature of exactly these bytes.
  virtual bool VerifyList(std::string_view list, std::string_view signature) = 0;
  // The file's SHA-256 in lower-case hex, or nullopt when it cannot be read.
  virtual std::optional<std::string> Sha256Hex(const std::filesystem::path& file) = 0;
};

// The two messages of the check; answered by the user on the interface thread.
class Questions {
 public:
  virtual ~Questions() = default;
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual void Tell(const std::string& text) = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts the program with no arguments, detached from this process.
  virtual bool Start(const std::filesystem::path& program) = 0;
  // Ends every other process of this user that runs exactly this executable: SIGTERM, and
  // SIGKILL for any still running after the grace period. The number of processes ended.
  virtual int EndProcessesOf(const std::filesystem::path& executable) = 0;
};

// The file operations of the update, so that a test can make one of them fail.
class Files {
 public:
  virtual ~Files() = default;
  // A folder this copy may replace files in (not an installed copy's).
  virtual bool CanUpdateFolder(const std::filesystem::path& folder);
  virtual bool Exists(const std::filesystem::path& p);
  virtual bool IsRegularFile(const std::filesystem::path& p);
  virtual bool CreateFolders(const std::filesystem::path& p);
  virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual bool Remove(const std::filesystem::path& p);
  virtual void RemoveAll(const std::filesystem::path& p);
  virtual bool MakeExecutable(const std::filesystem::path& p);
  virtual std::optional<std::string> ReadSmallFile(const std::filesystem::path& p, std::size_t maxBytes);
};

}  // namespace zelvik::update
