// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

class QMenu;

namespace zelvik::ui {

// The notification-area icon as the main window uses it, so that tests can stand in for a
// tray host the offscreen platform does not have.
class TrayIcon : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~TrayIcon() override = default;

  // A tray host is there to take an icon now.
  virtual bool HostAvailable() const = 0;
  virtual void Show(const QIcon& icon, const QString& tooltip, QMenu* menu) = 0;
  virtual void Remove() = 0;
  // Shown and taken by a host.
  virtual bool Visible() const = 0;

 signals:
  void activated(QSystemTrayIcon::ActivationReason reason);
};

// The real one: QSystemTrayIcon (XEmbed or StatusNotifierItem, whichever the desktop has).
class QtTrayIcon : public TrayIcon {
  Q_OBJECT

 public:
  explicit QtTrayIcon(QObject* parent);

  bool HostAvailable() const override;
  void Show(const QIcon& icon, const QString& tooltip, QMenu* menu) override;
  void Remove() override;
  bool Visible() const override;

 private:
  QSystemTrayIcon* icon_;
};

}  // namespace zelvik::ui
