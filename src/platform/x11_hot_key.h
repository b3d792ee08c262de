// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

struct _XCBKeySymbols;

namespace zelvik {

// A global hot key on X11: a key grab on the root window for a key symbol with a modifier
// (Super+A), repeated with NumLock, CapsLock and both, so the lock keys never disable it.
// The modifier bits come from the server's modifier map, and the grab is renewed when the
// keyboard mapping changes.
class X11HotKey {
 public:
  // keysym: e.g. 0x61 ("a"); modifierKeysyms: the keys that make up the modifier, e.g.
  // Super_L and Super_R.
  X11HotKey(xcb_connection_t* connection, xcb_window_t root, std::uint32_t keysym,
            std::vector<std::uint32_t> modifierKeysyms);
  ~X11HotKey();
  X11HotKey(const X11HotKey&) = delete;
  X11HotKey& operator=(const X11HotKey&) = delete;

  // False when the server refused a grab (another client owns the key) or the key or the
  // modifier has no code on this keyboard; nothing stays grabbed then.
  bool Grab();
  void Ungrab();
  bool grabbed() const { return !grabs_.empty(); }

  // Looks at one event from the connection: true when it is a press of the hot key. A
  // keyboard mapping change renews the grab.
  bool HandleEvent(const xcb_generic_event_t* event);

 private:
  struct GrabbedKey {
    xcb_keycode_t code;
    std::uint16_t modifiers;
  };
  void ReadModifierMap();

  xcb_connection_t* connection_;
  xcb_window_t root_;
  std::uint32_t keysym_;
  std::vector<std::uint32_t> modifierKeysyms_;
  _XCBKeySymbols* symbols_ = nullptr;
  std::uint16_t modifier_ = 0;
  std::uint16_t numLock_ = 0;
  std::vector<xcb_keycode_t> codes_;
  std::vector<GrabbedKey> grabs_;
  bool wanted_ = false;
};

// Adds or removes _NET_WM_STATE_SKIP_TASKBAR on a top-level window, in its property and by a
// client message to the window manager.
void SetSkipTaskbar(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, bool on);
// Whether the window's _NET_WM_STATE holds the atom now.
bool HasNetWmState(xcb_connection_t* connection, xcb_window_t window, const char* state);

// Where a framed window really is: its client area's top-left on the root window and the
// frame's left and top widths from _NET_FRAME_EXTENTS. False before the window manager has
// framed the window.
struct FramePlace {
  int clientX = 0;
  int clientY = 0;
  int frameLeft = 0;
  int frameTop = 0;
};
bool ReadFramePlace(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, FramePlace* place);

// The name the running window manager gives itself (_NET_WM_NAME of the window that
// _NET_SUPPORTING_WM_CHECK names); empty when none does.
std::string WindowManagerName(xcb_connection_t* connection, xcb_window_t root);
// Replaces a window's _NET_WM_WINDOW_TYPE; the window manager reads it when the window is mapped.
void SetWindowType(xcb_connection_t* connection, xcb_window_t window, const char* type);

}  // namespace zelvik
