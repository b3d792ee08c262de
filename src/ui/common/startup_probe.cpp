// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/startup_probe.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zelvik::ui {

namespace {

// Milliseconds since the process started, from the kernel's record of its start.
double SinceProcessStartMs() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray text = stat.readAll();
  // Field 22 (starttime, in clock ticks since boot) follows the command name in brackets.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 20) return -1;
  const double startTicks = fields[19].toDouble();
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

class FirstPaintReporter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // Report once the paint has finished and the event loop is idle again.
      QTimer::singleShot(0, this, [] {
        std::printf("shown_ms=%.1f rss_kb=%ld\n", SinceProcessStartMs(), ResidentKb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

void InstallStartupProbe(QWidget* window) {
  if (std::getenv("ZELVIK_STARTUP_PROBE") == nullptr) return;
  window->installEventFilter(new FirstPaintReporter(window));
}

}  // namespace zelvik::ui
