// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_hot_key.h"

#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace zelvik {

namespace {

constexpr std::uint32_t kNumLockKeysym = 0xff7f;

template <class T>
struct FreeDeleter {
  void operator()(T* p) const { std::free(p); }
};
template <class T>
using XcbReply = std::unique_ptr<T, FreeDeleter<T>>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<xcb_keycode_t> CodesOf(_XCBKeySymbols* symbols, std::uint32_t keysym) {
  std::vector<xcb_keycode_t> codes;
  if (xcb_keycode_t* list = xcb_key_symbols_get_keycode(symbols, keysym)) {
    for (xcb_keycode_t* k = list; *k != XCB_NO_SYMBOL; ++k) codes.push_back(*k);
    std::free(list);
  }
  return codes;
}

}  // namespace

X11HotKey::X11HotKey(xcb_connection_t* connection, xcb_window_t root, std::uint32_t keysym,
                     std::vector<std::uint32_t> modifierKeysyms)
    : connection_(connection), root_(root), keysym_(keysym), modifierKeysyms_(std::move(modifierKeysyms)) {}

X11HotKey::~X11HotKey() {
  Ungrab();
  if (symbols_ != nullptr) xcb_key_symbols_free(symbols_);
}

// Which of Mod1 … Mod5 carries the modifier's keys and NumLock on this keyboard.
void X11HotKey::ReadModifierMap() {
  modifier_ = 0;
  numLock_ = 0;
  XcbReply<xcb_get_modifier_mapping_reply_t> map(
      xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
  if (!map) return;
  const xcb_keycode_t* keys = xcb_get_modifier_mapping_keycodes(map.get());
  const int perModifier = map->keycodes_per_modifier;
  std::vector<xcb_keycode_t> modifierCodes;
  for (std::uint32_t sym : modifierKeysyms_) {
    for (xcb_keycode_t code : CodesOf(symbols_, sym)) modifierCodes.push_back(code);
  }
  const std::vector<xcb_keycode_t> numCodes = CodesOf(symbols_, kNumLockKeysym);
  for (int mod = 0; mod < 8; ++mod) {
    for (int i = 0; i < perModifier; ++i) {
      const xcb_keycode_t code = keys[mod * perModifier + i];
      if (code == 0) continue;
      const auto bit = static_cast<std::uint16_t>(1u << mod);
      // Shift, Lock and Control (bits 0 to 2) are never the modifier sought here.
      if (mod >= 3 && std::count(modifierCodes.begin(), modifierCodes.end(), code)) modifier_ |= bit;
      if (mod >= 3 && std::count(numCodes.begin(), numCodes.end(), code)) numLock_ |= bit;
    }
  }
}

bool X11HotKey::Grab() {
  Ungrab();
  wanted_ = true;
  if (connection_ == nullptr) return false;
  if (symbols_ != nullptr) xcb_key_symbols_free(symbols_);
  symbols_ = xcb_key_symbols_alloc(connection_);
  if (symbols_ == nullptr) return false;
  ReadModifierMap();
  codes_ = CodesOf(symbols_, keysym_);
  if (modifier_ == 0 || codes_.empty()) return false;
  const std::uint16_t lock = XCB_MOD_MASK_LOCK;
  const std::uint16_t variants[] = {0, numLock_, lock, static_cast<std::uint16_t>(numLock_ | lock)};
  std::vector<xcb_void_cookie_t> cookies;
  for (xcb_keycode_t code : codes_) {
    for (std::uint16_t extra : variants) {
      const auto mods = static_cast<std::uint16_t>(modifier_ | extra);
      if (std::any_of(grabs_.begin(), grabs_.end(),
                      [&](const GrabbedKey& g) { return g.code == code && g.modifiers == mods; })) {
        continue;  // without NumLock two variants coincide
      }
      cookies.push_back(xcb_grab_key_checked(connection_, 1, root_, mods, code, XCB_GRAB_MODE_ASYNC,
                                             XCB_GRAB_MODE_ASYNC));
      grabs_.push_back({code, mods});
    }
  }
  bool ok = true;
  for (xcb_void_cookie_t cookie : cookies) {
    if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
      ok = false;  // BadAccess: the desktop or another program owns the key
      std::free(error);
    }
  }
  if (!ok) {
    Ungrab();
    wanted_ = true;
  }
  return ok;
}

void X11HotKey::Ungrab() {
  wanted_ = false;
  if (connection_ == nullptr || grabs_.empty()) return;
  for (const GrabbedKey& g : grabs_) xcb_ungrab_key(connection_, g.code, root_, g.modifiers);
  grabs_.clear();
  xcb_flush(connection_);
}

bool X11HotKey::HandleEvent(const xcb_generic_event_t* event) {
  const std::uint8_t type = event->response_type & 0x7f;
  if (type == XCB_MAPPING_NOTIFY) {
    if (wanted_) {
      if (symbols_ != nullptr) xcb_refresh_keyboard_mapping(
            symbols_, const_cast<xcb_mapping_notify_event_t*>(reinterpret_cast<const xcb_mapping_notify_event_t*>(event)));
      Grab();
    }
    return false;
  }
  if (type != XCB_KEY_PRESS || grabs_.empty()) return false;
  const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
  if (press->event != root_ && press->root != root_) return false;
  const auto relevant = static_cast<std::uint16_t>(press->state & ~(numLock_ | XCB_MOD_MASK_LOCK) & 0xff);
  return relevant == modifier_ && std::count(codes_.begin(), codes_.end(), press->detail) > 0;
}

void SetSkipTaskbar(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, bool on) {
  if (c == nullptr || window == XCB_WINDOW_NONE) return;
  const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
  const xcb_atom_t skip = Atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
  if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;

  // The window manager reads the property when it takes a window on and owns it after that,
  // when it only listens to client messages (EWMH). Whether it has taken the window on yet
  // cannot be told from here, so do both.
  XcbReply<xcb_get_property_reply_t> current(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, state, XCB_ATOM_ATOM, 0, 64), nullptr));
  std::vector<xcb_atom_t> atoms;
  if (current && current->format == 32) {
    const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(current.get()));
    atoms.assign(begin, begin + xcb_get_property_value_length(current.get()) / 4);
  }
  atoms.erase(std::remove(atoms.begin(), atoms.end(), skip), atoms.end());
  if (on) atoms.push_back(skip);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(atoms.size()), atoms.data());

  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = state;
  message.data.data32[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
  message.data.data32[1] = skip;
  message.data.data32[2] = 0;
  message.data.data32[3] = 1;  // source: a normal application
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(c);
}

bool HasNetWmState(xcb_connection_t* c, xcb_window_t window, const char* name) {
  const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
  const xcb_atom_t wanted = Atom(c, name);
  XcbReply<xcb_get_property_reply_t> current(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, state, XCB_ATOM_ATOM, 0, 64), nullptr));
  if (!current || current->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(current.get()));
  const int count = xcb_get_property_value_length(current.get()) / 4;
  return std::find(atoms, atoms + count, wanted) != atoms + count;
}

std::string WindowManagerName(xcb_connection_t* c, xcb_window_t root) {
  const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
  XcbReply<xcb_get_property_reply_t> owner(
      xcb_get_property_reply(c, xcb_get_property(c, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
  if (!owner || owner->format != 32 || xcb_get_property_value_length(owner.get()) != 4) return {};
  const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(owner.get()));
  XcbReply<xcb_get_property_reply_t> name(xcb_get_property_reply(
      c, xcb_get_property(c, 0, wm, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 0, 64), nullptr));
  if (!name || name->format != 8) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                     static_cast<std::size_t>(xcb_get_property_value_length(name.get())));
}

void SetWindowType(xcb_connection_t* c, xcb_window_t window, const char* type) {
  const xcb_atom_t atom = Atom(c, type);
  if (atom == XCB_ATOM_NONE) return;
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &atom);
  xcb_flush(c);
}

bool ReadFramePlace(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, FramePlace* place) {
  const xcb_atom_t extentsAtom = Atom(c, "_NET_FRAME_EXTENTS");
  XcbReply<xcb_get_property_reply_t> extents(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, extentsAtom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
  if (!extents || extents->format != 32 || xcb_get_property_value_length(extents.get()) != 16) return false;
  XcbReply<xcb_translate_coordinates_reply_t> at(
      xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
  if (!at) return false;
  const auto* ltrb = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
  place->clientX = at->dst_x;
  place->clientY = at->dst_y;
  place->frameLeft = static_cast<int>(ltrb[0]);
  place->frameTop = static_cast<int>(ltrb[2]);
  return true;
}

}  // namespace zelvik
