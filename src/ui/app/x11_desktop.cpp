// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/x11_desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

#include <cstdlib>

#include "platform/x11_hot_key.h"

namespace zelvik::ui {

namespace {

constexpr std::uint32_t kKeysymA = 0x61;
constexpr std::uint32_t kKeysymSuperL = 0xffeb;
constexpr std::uint32_t kKeysymSuperR = 0xffec;

xcb_connection_t* Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t RootOf(xcb_connection_t* c) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
  return it.rem > 0 ? it.data->root : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

}  // namespace

bool OnX11() { return Connection() != nullptr; }

bool PointerButtonDown() {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
  xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, RootOf(c)), nullptr);
  const bool down = reply != nullptr && (reply->mask & XCB_KEY_BUT_MASK_BUTTON_1) != 0;
  std::free(reply);
  return down;
}

void SetSkipTaskbar(QWidget* window, bool on) {
  xcb_connection_t* c = Connection();
  if (c == nullptr || window == nullptr || window->windowHandle() == nullptr) return;
  zelvik::SetSkipTaskbar(c, RootOf(c), static_cast<xcb_window_t>(window->windowHandle()->winId()), on);
}

bool HasSkipTaskbar(QWidget* window) {
  xcb_connection_t* c = Connection();
  if (c == nullptr || window == nullptr || window->windowHandle() == nullptr) return false;
  return zelvik::HasNetWmState(c, static_cast<xcb_window_t>(window->windowHandle()->winId()),
                               "_NET_WM_STATE_SKIP_TASKBAR");
}

void KeepToTheCloseBox(QWidget* window) {
  xcb_connection_t* c = Connection();
  if (c == nullptr || window == nullptr || window->windowHandle() == nullptr) return;
  static const bool openbox = zelvik::WindowManagerName(c, RootOf(c)) == "Openbox";
  if (openbox) {
    zelvik::SetWindowType(c, static_cast<xcb_window_t>(window->windowHandle()->winId()), "_NET_WM_WINDOW_TYPE_TOOLBAR");
  }
}

std::optional<RealFrame> RealFrameOf(QWidget* window) {
  xcb_connection_t* c = Connection();
  if (c == nullptr || window == nullptr || window->windowHandle() == nullptr) return std::nullopt;
  zelvik::FramePlace place;
  if (!zelvik::ReadFramePlace(c, RootOf(c), static_cast<xcb_window_t>(window->windowHandle()->winId()), &place)) {
    return std::nullopt;
  }
  const QPoint offset(place.frameLeft, place.frameTop);
  return RealFrame{QPoint(place.clientX, place.clientY) - offset, offset};
}

GlobalHotKey::GlobalHotKey(QObject* parent) : QObject(parent) {}

GlobalHotKey::~GlobalHotKey() { Unregister(); }

bool GlobalHotKey::Register() {
  xcb_connection_t* c = Connection();
  if (c == nullptr) return false;
  key_ = std::make_unique<X11HotKey>(c, RootOf(c), kKeysymA, std::vector<std::uint32_t>{kKeysymSuperL, kKeysymSuperR});
  const bool ok = key_->Grab();
  // Stays installed after a refusal too: a keyboard mapping change may make the key free.
  if (!filtering_) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    filtering_ = true;
  }
  return ok;
}

void GlobalHotKey::Unregister() {
  if (filtering_) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    filtering_ = false;
  }
  key_.reset();
}

bool GlobalHotKey::registered() const { return key_ && key_->grabbed(); }

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (!key_ || eventType != "xcb_generic_event_t") return false;
  if (!key_->HandleEvent(static_cast<const xcb_generic_event_t*>(message))) return false;
  emit fired();
  return true;
}

}  // namespace zelvik::ui
