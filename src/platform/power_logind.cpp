// SPDX-License-Identifier: GPL-3.0-or-later
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/power.h"

namespace zelvik {

namespace {

constexpr const char* kService = "org.freedesktop.login1";
constexpr const char* kManagerPath = "/org/freedesktop/login1";
constexpr const char* kManager = "org.freedesktop.login1.Manager";
constexpr const char* kSession = "org.freedesktop.login1.Session";
// logind answers at once; a bus that does not answer must not freeze the program for long.
constexpr uint64_t kCallTimeoutUsec = 5 * 1000 * 1000;

class SystemBus {
 public:
  SystemBus() {
    int r = sd_bus_open_system(&bus_);
    if (r < 0) {
      Report("system bus", -r, nullptr);
      bus_ = nullptr;
      return;
    }
    sd_bus_set_method_call_timeout(bus_, kCallTimeoutUsec);
  }
  ~SystemBus() { sd_bus_flush_close_unref(bus_); }
  SystemBus(const SystemBus&) = delete;
  SystemBus& operator=(const SystemBus&) = delete;

  sd_bus* get() const { return bus_; }

  // One line on stderr, whatever the bus put into its message.
  static void Report(const char* what, int err, const sd_bus_error* error) {
    std::string text = error != nullptr && sd_bus_error_is_set(error)
                           ? std::string(error->message ? error->message : error->name)
                           : std::string(std::strerror(err));
    for (char& c : text) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    std::fprintf(stderr, "zelvik: %s: %s\n", what, text.c_str());
  }

 private:
  sd_bus* bus_ = nullptr;
};

// Reboot, PowerOff, Suspend with interactive = false.
bool CallManager(const char* method) {
  SystemBus bus;
  if (bus.get() == nullptr) return false;
  sd_bus_error error = SD_BUS_ERROR_NULL;
  int r = sd_bus_call_method(bus.get(), kService, kManagerPath, kManager, method, &error, nullptr, "b", 0);
  if (r < 0) SystemBus::Report(method, -r, &error);
  sd_bus_error_free(&error);
  return r >= 0;
}

// The object path of the caller's session: $XDG_SESSION_ID when set, else the session of
// this process.
std::string OwnSessionPath(sd_bus* bus) {
  sd_bus_error error = SD_BUS_ERROR_NULL;
  sd_bus_message* reply = nullptr;
  const char* id = std::getenv("XDG_SESSION_ID");
  int r = id != nullptr && *id != '\0'
              ? sd_bus_call_method(bus, kService, kManagerPath, kManager, "GetSession", &error, &reply, "s", id)
              : sd_bus_call_method(bus, kService, kManagerPath, kManager, "GetSessionByPID", &error, &reply, "u",
                                   static_cast<uint32_t>(getpid()));
  std::string path;
  const char* p = nullptr;
  if (r >= 0 && sd_bus_message_read(reply, "o", &p) >= 0 && p != nullptr) {
    path = p;
  } else {
    SystemBus::Report("session", r < 0 ? -r : EBADMSG, &error);
  }
  sd_bus_message_unref(reply);
  sd_bus_error_free(&error);
  return path;
}

}  // namespace

bool LogindPower::LogOff() {
  SystemBus bus;
  if (bus.get() == nullptr) return false;
  const std::string session = OwnSessionPath(bus.get());
  if (session.empty()) return false;
  sd_bus_error error = SD_BUS_ERROR_NULL;
  int r = sd_bus_call_method(bus.get(), kService, session.c_str(), kSession, "Terminate", &error, nullptr, "");
  if (r < 0) SystemBus::Report("Terminate", -r, &error);
  sd_bus_error_free(&error);
  return r >= 0;
}

bool LogindPower::Restart() { return CallManager("Reboot"); }
bool LogindPower::ShutDown() { return CallManager("PowerOff"); }
bool LogindPower::StandBy() { return CallManager("Suspend"); }

}  // namespace zelvik
