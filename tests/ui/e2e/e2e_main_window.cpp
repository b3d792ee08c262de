// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a private X server: its window appears, the close box ends it with
// status 0 and leaves no configuration file behind; a second copy warns that the program
// is already running and then opens a window of its own.
//
// Usage: e2e_main_window PATH_TO_ZELVIK. Exits 77 (skipped) when Xvfb is not installed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int kSkip = 77;

bool OnPath(const char* program) {
  const char* path = std::getenv("PATH");
  std::string rest = path != nullptr ? path : "";
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const fs::path dir = rest.substr(0, colon);
    if (!dir.empty() && ::access((dir / program).c_str(), X_OK) == 0) return true;
    if (colon == std::string::npos) break;
    rest.erase(0, colon + 1);
  }
  return false;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(50ms);
  }
  return done();
}

// A child process that is ended by pid when the driver no longer needs it.
class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() { Kill(); }

  // keepFd: a descriptor the child keeps, and a sign that it is the X server, whose chatter
  // is dropped.
  bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& env, int keepFd = -1) {
    pid_ = ::fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
      ::setpgid(0, 0);
      const int null = ::open("/dev/null", O_RDWR);
      ::dup2(null, STDIN_FILENO);
      if (keepFd >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
      }
      for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
      std::vector<char*> args;
      for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
      args.push_back(nullptr);
      ::execvp(args[0], args.data());
      ::_exit(127);
    }
    return true;
  }

  // True once the process has ended; its exit status is then in status().
  bool Ended() {
    if (pid_ <= 0) return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      pid_ = -1;
      return true;
    }
    return false;
  }

  int status() const { return status_; }

  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    if (!WaitUntil([this] { return Ended(); }, 3000ms)) {
      ::kill(pid_, SIGKILL);
      WaitUntil([this] { return Ended(); }, 3000ms);
    }
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

class Display {
 public:
  explicit Display(const std::string& name) : conn_(xcb_connect(name.c_str(), nullptr)) {}
  ~Display() { xcb_disconnect(conn_); }
  bool ok() const { return xcb_connection_has_error(conn_) == 0; }

  // Mapped top-level windows with the given title.
  std::vector<xcb_window_t> Windows(const std::string& title) {
    std::vector<xcb_window_t> found;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(conn_, xcb_query_tree(conn_, root), nullptr);
    if (tree == nullptr) return found;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
      if (Viewable(children[i]) && Title(children[i]) == title) found.push_back(children[i]);
    }
    std::free(tree);
    return found;
  }

  // Asks the window to close, as the window manager's close box does.
  void Close(xcb_window_t window) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(conn_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(conn_);
  }

 private:
  xcb_atom_t Atom(const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
  }

  bool Viewable(xcb_window_t window) {
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(conn_, xcb_get_window_attributes(conn_, window), nullptr);
    const bool viewable = attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    return viewable;
  }

  std::string Title(xcb_window_t window) {
    for (xcb_atom_t property : {Atom("_NET_WM_NAME"), xcb_atom_t{XCB_ATOM_WM_NAME}}) {
      xcb_get_property_reply_t* reply = xcb_get_property_reply(
          conn_, xcb_get_property(conn_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
      std::string title;
      if (reply != nullptr) {
        title.assign(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
        std::free(reply);
      }
      if (!title.empty()) return title;
    }
    return {};
  }

  xcb_connection_t* conn_;
};

int failures = 0;

void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
  if (!ok) ++failures;
}

// Starts Xvfb on a free display; returns its name (":N"), or "" on failure.
std::string StartXvfb(Child& xvfb) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  const bool started = xvfb.Start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                                   "-nolisten", "tcp"},
                                  {}, fds[1]);
  ::close(fds[1]);
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  while (started && ::poll(&p, 1, 10000) > 0) {
    char c;
    if (::read(fds[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  ::close(fds[0]);
  return number.empty() ? std::string() : ":" + number;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PATH_TO_ZELVIK\n", argv[0]);
    return 2;
  }
  if (!OnPath("Xvfb")) {
    std::printf("Xvfb is not installed: skipped\n");
    return kSkip;
  }
  const std::string program = fs::absolute(argv[1]).string();

  Child xvfb;
  const std::string display = StartXvfb(xvfb);
  if (display.empty()) {
    std::printf("FAILED: Xvfb did not start\n");
    return 1;
  }
  Display x(display);
  if (!x.ok()) {
    std::printf("FAILED: cannot connect to %s\n", display.c_str());
    return 1;
  }

  char pattern[] = "/tmp/zelvik-e2e-XXXXXX";
  const fs::path work = ::mkdtemp(pattern);
  fs::create_directories(work / "config");
  fs::create_directories(work / "run");
  ::chmod((work / "run").c_str(), 0700);
  // Under LeakSanitizer: libdbus, which Qt's X11 plugin loads, keeps a buffer to the end.
  const fs::path suppressions = work / "lsan.supp";
  std::FILE* supp = std::fopen(suppressions.c_str(), "w");
  if (supp != nullptr) {
    std::fputs("leak:libdbus-1.so\n", supp);
    std::fclose(supp);
  }
  const char* lsan = std::getenv("LSAN_OPTIONS");
  const std::vector<std::string> env = {
      "LSAN_OPTIONS=" + std::string(lsan != nullptr ? lsan : "") + ":print_suppressions=0:suppressions=" + suppressions.string(),
      "DISPLAY=" + display,
      "QT_QPA_PLATFORM=xcb",
      "ZELVIK_CONFIG_DIR=" + (work / "config").string(),
      "ZELVIK_RUNTIME_DIR=" + (work / "run").string(),
      "XDG_RUNTIME_DIR=" + (work / "run").string(),
  };
  const auto count = [&x](const char* title) { return x.Windows(title).size(); };

  {
    Child first;
    Check(first.Start({program}, env), "the program starts");
    Check(WaitUntil([&] { return count("ZelvikV4.2") == 1; }, 20s), "a window titled ZelvikV4.2 appears");
    for (xcb_window_t w : x.Windows("ZelvikV4.2")) x.Close(w);
    Check(WaitUntil([&] { return first.Ended(); }, 10s), "the close box ends the program");
    Check(first.status() == 0, "with exit status 0");
    Check(!fs::exists(work / "config" / "ConfigMW.ini"), "and no configuration file is created");
  }

  {
    Child first;
    Child second;
    first.Start({program}, env);
    Check(WaitUntil([&] { return count("ZelvikV4.2") == 1; }, 20s), "the first copy shows its window");
    second.Start({program}, env);
    Check(WaitUntil([&] { return count("Zelvik") == 1; }, 20s), "the second copy shows a box titled Zelvik");
    Check(count("ZelvikV4.2") == 1, "before its own window");
    for (xcb_window_t w : x.Windows("Zelvik")) x.Close(w);
    Check(WaitUntil([&] { return count("ZelvikV4.2") == 2 && count("Zelvik") == 0; }, 20s),
          "after the box, the second copy opens its window too");
    for (xcb_window_t w : x.Windows("ZelvikV4.2")) x.Close(w);
    Check(WaitUntil([&] { return first.Ended() && second.Ended(); }, 10s), "both copies end by their close box");
    Check(first.status() == 0 && second.status() == 0, "with exit status 0");
  }

  std::error_code ec;
  fs::remove_all(work, ec);
  std::printf("%s\n", failures == 0 ? "PASSED" : "FAILED");
  return failures == 0 ? 0 : 1;
}
