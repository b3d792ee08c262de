// SPDX-License-Identifier: GPL-3.0-or-later
#include <xcb/dpms.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/monitor.h"

namespace zelvik {

namespace {

struct ConnectionCloser {
  void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

}  // namespace

bool DpmsMonitor::TurnOff() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return false;
  std::unique_ptr<xcb_connection_t, ConnectionCloser> conn(xcb_connect(display, nullptr));
  if (xcb_connection_has_error(conn.get())) return false;

  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(conn.get(), &xcb_dpms_id);
  if (ext == nullptr || !ext->present) {
    std::fprintf(stderr, "zelvik: monitor off: the X server has no DPMS\n");
    return false;
  }
  // Forcing a level needs DPMS enabled, as "xset dpms force off" does it.
  xcb_generic_error_t* error = xcb_request_check(conn.get(), xcb_dpms_enable_checked(conn.get()));
  if (error == nullptr) {
    error = xcb_request_check(conn.get(), xcb_dpms_force_level_checked(conn.get(), XCB_DPMS_DPMS_MODE_OFF));
  }
  if (error != nullptr) {
    std::fprintf(stderr, "zelvik: monitor off: X error %d\n", error->error_code);
    std::free(error);
    return false;
  }
  return true;
}

}  // namespace zelvik
