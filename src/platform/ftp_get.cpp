// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ftp_get.h"

#include "platform/curl_library.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace zelvik {

namespace fs = std::filesystem;

namespace {

void Trace(const std::string& line) { std::cerr << "zelvik: ftp: " << line << "\n"; }

// Path characters other than these are sent %-escaped.
bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

std::string EscapePath(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (Unreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string BaseUrl(const std::string& server) {
  std::string url = server.find("://") == std::string::npos ? "ftp://" + server : server;
  if (url.back() != '/') url += '/';
  return url;
}

struct Sink {
  int fd = -1;
  bool failed = false;
};

size_t WriteToFile(char* data, size_t size, size_t count, void* userdata) {
  auto* sink = static_cast<Sink*>(userdata);
  const size_t total = size * count;
  size_t done = 0;
  while (done < total) {
    const ssize_t n = ::write(sink->fd, data + done, total - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      sink->failed = true;
      return 0;
    }
    done += static_cast<size_t>(n);
  }
  return total;
}

}  // namespace

CFtpGet::CFtpGet() = default;

CFtpGet::~CFtpGet() { CloseConnection(); }

void CFtpGet::SetTimeouts(long connectSeconds, long lowSpeedBytes, long lowSpeedSeconds) {
  connectSeconds_ = connectSeconds;
  lowSpeedBytes_ = lowSpeedBytes;
  lowSpeedSeconds_ = lowSpeedSeconds;
  if (curl_ != nullptr) ApplyOptions();
}

void CFtpGet::Cancel() {
  cancelled_ = true;
  std::lock_guard<std::mutex> lock(multiMutex_);
  if (multi_ != nullptr) Curl()->multi_wakeup(static_cast<CURLM*>(multi_));
}

int CFtpGet::Perform() {
  CURL* c = static_cast<CURL*>(curl_);
  CURLM* m = static_cast<CURLM*>(multi_);
  if (Curl()->multi_add_handle(m, c) != CURLM_OK) return CURLE_FAILED_INIT;
  CURLcode result = CURLE_ABORTED_BY_CALLBACK;
  int running = 1;
  while (!cancelled_) {
    if (Curl()->multi_perform(m, &running) != CURLM_OK) {
      result = CURLE_FAILED_INIT;
      break;
    }
    int queued = 0;
    if (CURLMsg* msg = Curl()->multi_info_read(m, &queued); msg != nullptr && msg->msg == CURLMSG_DONE) {
      result = msg->data.result;
      break;
    }
    if (running == 0) break;
    Curl()->multi_poll(m, nullptr, 0, 1000, nullptr);
  }
  Curl()->multi_remove_handle(m, c);
  return result;
}

int CFtpGet::OnProgress(void* self, std::int64_t, std::int64_t, std::int64_t, std::int64_t) {
  return static_cast<CFtpGet*>(self)->cancelled_ ? 1 : 0;
}

void CFtpGet::ApplyOptions() {
  CURL* c = static_cast<CURL*>(curl_);
  Curl()->easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  Curl()->easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
  Curl()->easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  Curl()->easy_setopt(c, CURLOPT_CONNECTTIMEOUT, connectSeconds_);
  Curl()->easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, lowSpeedBytes_);
  Curl()->easy_setopt(c, CURLOPT_LOW_SPEED_TIME, lowSpeedSeconds_);
  Curl()->easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, lowSpeedSeconds_);
  Curl()->easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxFileSize_));
  Curl()->easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
  Curl()->easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  Curl()->easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &CFtpGet::OnProgress);
  Curl()->easy_setopt(c, CURLOPT_XFERINFODATA, this);
}

bool CFtpGet::ConnectServer(const std::string& server) {
  if (server.empty() || cancelled_) return false;
  CloseConnection();
  server_ = server;
  base_ = BaseUrl(server);
  if (base_.rfind("ftp://", 0) != 0 && base_.rfind("ftps://", 0) != 0) {
    Trace("not an FTP address: " + server);
    return false;
  }
  if (Curl() == nullptr) return false;
  curl_ = Curl()->easy_init();
  {
    std::lock_guard<std::mutex> lock(multiMutex_);
    multi_ = Curl()->multi_init();
  }
  if (curl_ == nullptr || multi_ == nullptr) {
    CloseConnection();
    return false;
  }
  ApplyOptions();
  CURL* c = static_cast<CURL*>(curl_);
  // Logs in and stays connected; the downloads reuse the control connection.
  Curl()->easy_setopt(c, CURLOPT_URL, base_.c_str());
  Curl()->easy_setopt(c, CURLOPT_NOBODY, 1L);
  const CURLcode rc = static_cast<CURLcode>(Perform());
  if (rc != CURLE_OK) {
    Trace("cannot connect to " + server + ": " + Curl()->easy_strerror(rc));
    CloseConnection();
    return false;
  }
  return true;
}

bool CFtpGet::GetFile(const std::string& remote, const fs::path& local) {
  if (curl_ == nullptr || cancelled_ || remote.empty() || local.filename().empty()) return false;
  const fs::path folder = local.parent_path().empty() ? fs::path(".") : local.parent_path();
  std::string tmpl = (folder / ("." + local.filename().string() + ".part-XXXXXX")).string();
  Sink sink;
  sink.fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
  if (sink.fd < 0) {
    Trace("cannot write in " + folder.string());
    return false;
  }
  CURL* c = static_cast<CURL*>(curl_);
  const std::string url = base_ + EscapePath(remote);
  Curl()->easy_setopt(c, CURLOPT_URL, url.c_str());
  Curl()->easy_setopt(c, CURLOPT_NOBODY, 0L);
  Curl()->easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteToFile);
  Curl()->easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  const CURLcode rc = static_cast<CURLcode>(Perform());
  bool ok = rc == CURLE_OK && !sink.failed;
  if (!ok) Trace("cannot download " + remote + ": " + Curl()->easy_strerror(rc));
  ok = ok && ::fchmod(sink.fd, 0644) == 0 && ::fsync(sink.fd) == 0;
  ok = ::close(sink.fd) == 0 && ok;
  ok = ok && std::rename(tmpl.c_str(), local.c_str()) == 0;
  if (!ok) ::unlink(tmpl.c_str());
  return ok;
}

bool CFtpGet::CloseConnection() {
  const bool was = curl_ != nullptr && multi_ != nullptr;
  // The easy handle first: it may still use the connection the multi handle keeps.
  if (curl_ != nullptr) Curl()->easy_cleanup(static_cast<CURL*>(curl_));
  curl_ = nullptr;
  std::lock_guard<std::mutex> lock(multiMutex_);
  if (multi_ != nullptr) Curl()->multi_cleanup(static_cast<CURLM*>(multi_));
  multi_ = nullptr;
  return was;
}

}  // namespace zelvik
