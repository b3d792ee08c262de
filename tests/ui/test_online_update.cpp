// SPDX-License-Identifier: GPL-3.0-or-later
// The about box's update check: the download page, the worker thread, its questions on the
// interface thread, one check at a time, and a cancel that never waits for a download.
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "app/about_dlg.h"
#include "loopback_ftp.h"
#include "online/update_runner.h"
#include "platform/update_crypto.h"
#include "platform/update_signing.h"
#include "product.h"
#include "update/update_check.h"

using namespace zelvik;
using namespace zelvik::ui;
namespace fs = std::filesystem;

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls << url; }
};

namespace {

void Write(const fs::path& p, const std::string& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
}

std::string SecretKey() {
  std::ifstream in(std::string(ZELVIK_SOURCE_DIR) + "/tests/data/update-test-secret.key");
  std::string key;
  in >> key;
  return key;
}

// A signed release on the server: the new program is a script that leaves a mark.
void Publish(const fs::path& root, const std::string& version, const fs::path& mark, std::size_t padding = 0) {
  const std::string program = "#!/bin/sh\necho started > '" + mark.string() + "'\n" + std::string(padding, '#') + "\n";
  Write(root / "updateMW/zelvik43", program);
  const std::string list = "[newversion]\r\nnewversion=" + version +
                           "\r\n[upexe]\r\nupexe=zelvik43\r\n[upnumber]\r\nupnumber=1\r\n[filelist]\r\n1=zelvik43\r\n"
                           "[sha256]\r\n1=" + *Sha256HexOfFile(root / "updateMW/zelvik43") + "\r\n";
  Write(root / "updateMW/list.ini", list);
  Write(root / "updateMW/list.ini.sig", *SignDetached(list, SecretKey()));
}

}  // namespace

class TestOnlineUpdate : public QObject {
  Q_OBJECT

  QTemporaryDir server_, app_;

  fs::path App() const { return app_.path().toStdString(); }
  fs::path Server() const { return server_.path().toStdString(); }

 private slots:
  void init() {
    fs::remove_all(App());
    fs::remove_all(Server());
    fs::create_directories(App());
    fs::create_directories(Server());
    Write(App() / "zelvik", "old program");
  }

  void shopButtonOpensTheShop() {
    UrlCatcher urls;
    CAboutDlg about(nullptr);
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("1090")), Qt::LeftButton);
    QCOMPARE(urls.urls, QList<QUrl>{QUrl(QString::fromLatin1(product::kShopPage))});
  }

  void aNewerVersionIsAskedForDownloadedAndStarted() {
    const fs::path mark = App() / "mark";
    Publish(Server(), "4.3", mark);
    testing_ftp::LoopbackFtp ftp(Server());
    qputenv(product::kUpdateServerEnv, QByteArray::fromStdString(ftp.url()));
    UrlCatcher urls;
    CAboutDlg about(nullptr);
    CUpdateRunner* runner = about.updater();
    runner->SetCopy(App(), "zelvik");
    QStringList asked, told;
    bool askedOnUiThread = false;
    runner->SetQuestionBoxes(
        [&](const QString& q) {
          askedOnUiThread = QThread::currentThread() == qApp->thread();
          asked << q;
          return true;
        },
        [&](const QString& t) { told << t; });
    QSignalSpy finished(runner, &CUpdateRunner::finished);
    auto* button = about.findChild<QPushButton*>(QStringLiteral("1089"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(urls.urls, QList<QUrl>{QUrl(QString::fromLatin1(product::kDownloadPage))});
    QVERIFY(!button->isEnabled());
    QVERIFY(!runner->Start());  // a second check waits for the first
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first().at(0).toInt(), 1);
    QVERIFY(button->isEnabled());
    QVERIFY(askedOnUiThread);
    QCOMPARE(asked, QStringList{QString::fromUtf8(update::kAskUpdateText)});
    QCOMPARE(told, QStringList{QString::fromUtf8(update::kDownloadedText)});
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(mark), 5000);
    QVERIFY(fs::exists(App() / "list.ini"));
    qunsetenv(product::kUpdateServerEnv);
  }

  // Quitting while a slow download runs: the runner's end cancels it at once, and the
  // folder is left as it was.
  void endingTheRunnerCancelsASlowDownload() {
    Publish(Server(), "4.3", App() / "mark", 400000);
    testing_ftp::LoopbackFtp ftp(Server(), {"--rate", "4096"});
    qputenv(product::kUpdateServerEnv, QByteArray::fromStdString(ftp.url()));
    UrlCatcher urls;
    auto runner = std::make_unique<CUpdateRunner>();
    runner->SetCopy(App(), "zelvik");
    runner->SetQuestionBoxes([](const QString&) { return true; }, [](const QString&) {});
    QVERIFY(runner->Start());
    QTest::qWait(1500);
    QVERIFY(runner->isRunning());
    QElapsedTimer t;
    t.start();
    runner.reset();
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
    QVERIFY(!fs::exists(App() / "zelvik43"));
    QVERIFY(!fs::exists(App() / ".zelvik-update"));
    qunsetenv(product::kUpdateServerEnv);
  }

  // A question still open when the runner ends is answered "no" for the worker.
  void endingTheRunnerWhileAQuestionIsOpen() {
    Publish(Server(), "4.3", App() / "mark");
    testing_ftp::LoopbackFtp ftp(Server());
    qputenv(product::kUpdateServerEnv, QByteArray::fromStdString(ftp.url()));
    UrlCatcher urls;
    auto runner = std::make_unique<CUpdateRunner>();
    runner->SetCopy(App(), "zelvik");
    bool asking = false;
    runner->SetQuestionBoxes(
        [&](const QString&) {
          asking = true;
          return true;
        },
        [](const QString&) {});
    // The question is posted to this thread; ending the runner before it is answered.
    QVERIFY(runner->Start());
    QElapsedTimer t;
    t.start();
    while (!fs::exists(App() / ".zelvik-update/list.ini.sig") && t.elapsed() < 10000) QThread::msleep(20);
    QThread::msleep(500);
    t.restart();
    runner.reset();
    QVERIFY(t.elapsed() < 1000);
    QCoreApplication::processEvents();
    QVERIFY(!asking);
    QVERIFY(!fs::exists(App() / "zelvik43"));
    qunsetenv(product::kUpdateServerEnv);
  }
};

QTEST_MAIN(TestOnlineUpdate)
#include "test_online_update.moc"
