// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "update/update_services.h"

namespace zelvik {

// Anonymous, passive, binary FTP downloads over libcurl, with TLS when the server offers
// it. One connection at a time, used by one thread; Cancel() may come from any thread.
// Failures are results: a message goes to stderr, nothing is thrown.
class CFtpGet : public update::FtpClient {
 public:
  CFtpGet();
  ~CFtpGet() override;
  CFtpGet(const CFtpGet&) = delete;
  CFtpGet& operator=(const CFtpGet&) = delete;

  // server: a host name ("ftp.example.org", "host:2121") or an ftp:// or ftps:// address.
  // An empty name fails at once, without any traffic.
  bool ConnectServer(const std::string& server) override;
  // Writes a temporary file in local's folder and renames it over local once the whole
  // file has arrived, so local is never half-written.
  bool GetFile(const std::string& remote, const std::filesystem::path& local) override;
  bool CloseConnection() override;

  // Aborts the transfer under way at once and makes every later call fail, so that nobody
  // waits for a download at exit. Safe from any thread.
  void Cancel();

  const std::string& server() const { return server_; }

  // A connection attempt gives up after connectSeconds; a transfer slower than
  // lowSpeedBytes per second for lowSpeedSeconds is aborted, as is a server that leaves a
  // command unanswered for that long.
  void SetTimeouts(long connectSeconds, long lowSpeedBytes, long lowSpeedSeconds);
  void SetMaxFileSize(std::int64_t bytes) { maxFileSize_ = bytes; }

 private:
  void ApplyOptions();
  // Runs the transfer set up on the handle until it ends or Cancel() wakes it.
  int Perform();
  static int OnProgress(void* self, std::int64_t, std::int64_t, std::int64_t, std::int64_t);

  void* curl_ = nullptr;   // the transfer handle
  void* multi_ = nullptr;  // holds the control connection between transfers
  std::mutex multiMutex_;  // multi_ against Cancel() from another thread
  std::string server_;
  std::string base_;      // "ftp://host[:port]/"
  std::atomic<bool> cancelled_{false};
  long connectSeconds_ = 15;
  long lowSpeedBytes_ = 16;
  long lowSpeedSeconds_ = 30;
  std::int64_t maxFileSize_ = std::int64_t{512} << 20;
};

}  // namespace zelvik
