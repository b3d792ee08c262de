// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zelvik::testing_ftp {

// tests/support/ftp_server.py on a port the system picks; ended with the object.
class LoopbackFtp {
 public:
  explicit LoopbackFtp(const std::filesystem::path& root, std::vector<std::string> extra = {}) {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
    std::vector<std::string> args = {"/usr/bin/python3", std::string(ZELVIK_SOURCE_DIR) + "/tests/support/ftp_server.py",
                                     "--root", root.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(in[0], 0);
      ::dup2(out[1], 1);
      std::vector<char*> argv;
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    stdin_ = in[1];
    std::string line;
    struct pollfd p = {out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && ::poll(&p, 1, 10000) > 0) {
      char buf[64];
      const ssize_t n = ::read(out[0], buf, sizeof buf);
      if (n <= 0) break;
      line.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    port_ = std::atoi(line.c_str());
  }
  ~LoopbackFtp() { Stop(); }
  LoopbackFtp(const LoopbackFtp&) = delete;
  LoopbackFtp& operator=(const LoopbackFtp&) = delete;

  int port() const { return port_; }
  std::string url() const { return "ftp://127.0.0.1:" + std::to_string(port_) + "/"; }
  void Stop() {
    if (stdin_ >= 0) ::close(stdin_);
    stdin_ = -1;
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1;
  int port_ = 0;
};

}  // namespace zelvik::testing_ftp
