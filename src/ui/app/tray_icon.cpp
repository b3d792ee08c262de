// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tray_icon.h"

#include <QMenu>

namespace zelvik::ui {

QtTrayIcon::QtTrayIcon(QObject* parent) : TrayIcon(parent), icon_(new QSystemTrayIcon(this)) {
  connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
}

bool QtTrayIcon::HostAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTrayIcon::Show(const QIcon& icon, const QString& tooltip, QMenu* menu) {
  icon_->setIcon(icon);
  icon_->setToolTip(tooltip);
  icon_->setContextMenu(menu);
  icon_->show();
}

void QtTrayIcon::Remove() { icon_->hide(); }

bool QtTrayIcon::Visible() const { return icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace zelvik::ui
