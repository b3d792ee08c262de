// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPoint>
#include <memory>
#include <optional>

class QWidget;

namespace zelvik {
class X11HotKey;
}

namespace zelvik::ui {

// True when the program runs on the xcb platform (X11 or XWayland).
bool OnX11();

// The pointer's first button is down: on X11 from the server, as the window manager holds
// the pointer during a drag; elsewhere from Qt.
bool PointerButtonDown();

// _NET_WM_STATE_SKIP_TASKBAR on a top-level window; nothing off X11.
void SetSkipTaskbar(QWidget* window, bool on);
// Whether the window's _NET_WM_STATE holds _NET_WM_STATE_SKIP_TASKBAR now; false off X11.
bool HasSkipTaskbar(QWidget* window);

// Openbox leaves minimise and maximise on dialogs and utility windows whatever their hints
// say, and minimising one there minimises its owner too. It drops them for toolbar windows,
// which it decorates like any other: a window that wants a close box only says it is one
// there. Other window managers honour the hints. Call before the window is first mapped.
void KeepToTheCloseBox(QWidget* window);

// Where the window manager really has the window's frame, and where the client sits in it;
// empty off X11 or before the window is framed. Qt's own idea can be stale just after a map.
struct RealFrame {
  QPoint topLeft;
  QPoint clientOffset;
};
std::optional<RealFrame> RealFrameOf(QWidget* window);

// The global hot key Super+A, taken from the X server's event stream. Without X11, or when
// the desktop owns the key, Register() fails and the program goes on without it.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit GlobalHotKey(QObject* parent);
  ~GlobalHotKey() override;

  bool Register();
  void Unregister();
  bool registered() const;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void fired();

 private:
  std::unique_ptr<X11HotKey> key_;
  bool filtering_ = false;
};

}  // namespace zelvik::ui
