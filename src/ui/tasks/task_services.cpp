// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/task_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <cstdio>

namespace zelvik::ui {

TaskServices DefaultTaskServices() {
  TaskServices s;
  s.power = std::make_shared<LogindPower>();
  s.monitor = std::make_shared<DpmsMonitor>();
  s.autostart = std::make_shared<XdgAutostart>();
  s.clock = std::make_shared<SystemTaskClock>();
  s.run = [](const QString& content) { LaunchTaskContent(content); };
  s.executable = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
  return s;
}

bool LaunchTaskContent(const QString& content) {
  if (content.isEmpty()) return false;
  const QFileInfo info(content);
  bool ok = false;
  if (info.isFile() && info.isExecutable()) {
    ok = QProcess::startDetached(info.absoluteFilePath(), {});
  } else {
    // An address with a scheme stays one; everything else is a path on this machine.
    const QUrl url(content);
    const bool remote = url.isValid() && url.scheme().size() > 1 && content.contains(QStringLiteral("://"));
    ok = QDesktopServices::openUrl(remote ? url : QUrl::fromLocalFile(info.absoluteFilePath()));
  }
  if (!ok) std::fprintf(stderr, "zelvik: cannot open %s\n", content.toLocal8Bit().constData());
  return ok;
}

}  // namespace zelvik::ui
