// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance marker and the "--show" listener: one copy listens, and when it ends
// or lets go the next one does, told by the kernel rather than by polling.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/instance_marker.h"

using namespace zelvik::ui;

class InstanceMarkerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { qputenv("ZELVIK_RUNTIME_DIR", QFile::encodeName(runtime_.path())); }

  void theNextHolderListensWhenTheListenerEnds() {
    auto first = std::make_unique<InstanceMarker>();
    InstanceMarker second;
    QVERIFY(!first->anotherRunning());
    QVERIFY(second.anotherRunning());
    QVERIFY(first->listening());
    QVERIFY(!second.listening());
    QSignalSpy firstAsked(first.get(), &InstanceMarker::showRequested);
    QSignalSpy secondAsked(&second, &InstanceMarker::showRequested);
    QVERIFY(InstanceMarker::SendShow("renwu", 0));
    QTRY_COMPARE(firstAsked.count(), 1);

    first.reset();
    QTRY_VERIFY(second.listening());
    QVERIFY(InstanceMarker::SendShow("renwu", 0));
    QTRY_COMPARE(secondAsked.count(), 1);
    QCOMPARE(firstAsked.count(), 1);
  }

  // The hand-over: the old copy lets go, the new one starts as the only copy and listens; a
  // third copy is told one runs.
  void aReleasedMarkerLeavesNothingBehind() {
    InstanceMarker old;
    old.Release();
    QVERIFY(!old.held() && !old.listening());
    QVERIFY(!InstanceMarker::SendShow("renwu", 0));
    InstanceMarker fresh;
    QVERIFY(!fresh.anotherRunning());
    QVERIFY(fresh.listening());
    InstanceMarker third;
    QVERIFY(third.anotherRunning());
    QVERIFY(!third.listening());
    // Taken back after a failed hand-over, the old copy counts as running again.
    old.Retake();
    QVERIFY(old.held());
    QVERIFY(InstanceMarker("renwu").anotherRunning());
  }

 private:
  QTemporaryDir runtime_;
};

QTEST_MAIN(InstanceMarkerTest)
#include "test_instance_marker.moc"
