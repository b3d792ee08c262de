// SPDX-License-Identifier: GPL-3.0-or-later
// The animated picture, the click area and the advertising area of the main window.
#include <QBuffer>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "common/appearance.h"
#include "gif/gif_decoder.h"
#include "gif/gif_walker.h"
#include "online/ad_area.h"
#include "online/hover_link.h"
#include "online/picture_ex.h"
#include "product.h"
#include "support/gif_maker.h"
#include "support/main_window_support.h"

using namespace zelvik::ui;
using namespace zelvik::ui::test;

// Takes the pages QDesktopServices is asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
  }
  ~UrlCatcher() override {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  }
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls << url; }
};

namespace {

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

QColor At(const CPictureEx& p, int x, int y) { return p.canvas().pixelColor(x, y); }

// Waits for the frame with that index to be drawn.
bool WaitForFrame(QSignalSpy& spy, int index, int timeoutMs = 3000) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < timeoutMs) {
    for (const QList<QVariant>& args : spy) {
      if (args.at(0).toInt() == index) return true;
    }
    spy.wait(50);
  }
  return false;
}

}  // namespace

class TestOnlineAd : public QObject {
  Q_OBJECT

 private slots:
  void stillPicturesShowWithoutAnimation_data() {
    QTest::addColumn<QByteArray>("data");
    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    QTest::newRow("png") << Encoded(red, "PNG");
    QTest::newRow("bmp") << Encoded(red, "BMP");
    QTest::newRow("jpeg") << Encoded(red, "JPEG");
    QTest::newRow("gif of one frame") << MakeGif(QSize(30, 20), {{QRect(0, 0, 30, 20), 1, 50, 0}});
  }
  void stillPicturesShowWithoutAnimation() {
    QFETCH(QByteArray, data);
    QWidget host;
    CPictureEx picture(&host);
    picture.move(7, 9);
    QVERIFY(picture.LoadPicture(data));
    QVERIFY(picture.isLoaded());
    QVERIFY(!picture.isAnimated());
    QCOMPARE(picture.pictureSize(), QSize(30, 20));
    QCOMPARE(picture.geometry(), QRect(7, 9, 30, 20));
    QVERIFY(picture.DrawPicture());
    QVERIFY(!picture.isAnimating());
    const QColor c = At(picture, 15, 10);
    QVERIFY2(c.red() > 240 && c.green() < 20 && c.blue() < 20, qPrintable(c.name()));
  }

  void failuresLeaveTheControlEmpty() {
    QFile ad(QString::fromLatin1(CAdArea::kResource));
    // The resource is registered by the area; the picture reads it through Qt.
    QWidget host;
    CAdArea area(&host, QRect(), QRect());
    QVERIFY(ad.open(QIODevice::ReadOnly));
    const QByteArray whole = ad.readAll();
    CPictureEx picture(&host);
    QVERIFY(!picture.DrawPicture());
    const QByteArray rows[] = {QByteArray("not a picture"), QByteArray("GIF89a\x04\x00\x03\x00\x00\x00\x00;", 14),
                               QByteArray(), whole.left(20)};
    for (const QByteArray& data : rows) {
      QVERIFY(!picture.LoadPicture(data));
      QVERIFY(!picture.isLoaded());
      QVERIFY(!picture.DrawPicture());
      QCOMPARE(picture.backgroundColor(), QColor(255, 255, 255));
    }
    QVERIFY(!picture.LoadPicture(QStringLiteral("/nonexistent/ad.gif")));
    // Cut in the middle: the frames that are whole still play or show.
    QVERIFY(picture.LoadPicture(whole.left(whole.size() * 2 / 3)));
    QVERIFY(picture.frameCount() <= 2);
    QVERIFY(picture.LoadPicture(whole));
    QCOMPARE(picture.frameCount(), 3);
    QCOMPARE(picture.pictureSize(), QSize(425, 87));
  }

  void delaysOfFourOrLessPlayATenthOfASecond() {
    const int delays[] = {0, 1, 2, 3, 4, 50, -1, 5};
    const int expected[] = {100, 100, 100, 100, 100, 500, 100, 50};
    std::vector<GifFrameSpec> frames;
    for (int d : delays) frames.push_back({QRect(0, 0, 4, 4), 1, d, 0});
    QWidget host;
    CPictureEx picture(&host);
    QVERIFY(picture.LoadPicture(MakeGif(QSize(4, 4), frames)));
    QVERIFY(picture.isAnimated());
    QCOMPARE(picture.frameCount(), 8);
    QList<int> durations;
    connect(&picture, &CPictureEx::frameShown, [&](int) { durations << picture.currentDurationMs(); });
    QSignalSpy spy(&picture, &CPictureEx::frameShown);
    QVERIFY(picture.DrawPicture());
    QVERIFY(picture.isAnimating());
    // The whole round and the first frame again: the loop has no end.
    QVERIFY(WaitForFrame(spy, 7, 5000));
    QTRY_VERIFY_WITH_TIMEOUT(durations.size() >= 9, 2000);
    for (int i = 0; i < 8; ++i) QCOMPARE(durations[i], expected[i]);
    QCOMPARE(spy.at(8).at(0).toInt(), 0);
  }

  void disposalMethodsRestoreTheCanvas() {
    // Red everywhere; green top-left put back to the ground (2); blue bottom-right put back
    // to what was under it (3); a white dot that stays (1).
    const std::vector<GifFrameSpec> frames = {
        {QRect(0, 0, 4, 4), 1, 5, 0},
        {QRect(0, 0, 2, 2), 2, 5, 2},
        {QRect(2, 2, 2, 2), 3, 5, 3},
        {QRect(3, 0, 1, 1), 0, 5, 1},
    };
    QWidget host;
    CPictureEx picture(&host);
    QVERIFY(picture.LoadPicture(MakeGif(QSize(4, 4), frames)));
    picture.SetBackgroundColor(kDialogColour);
    QList<QList<QColor>> seen;  // per frame: (0,0), (3,3), (3,0), (1,3)
    connect(&picture, &CPictureEx::frameShown, [&](int) {
      seen << QList<QColor>{At(picture, 0, 0), At(picture, 3, 3), At(picture, 3, 0), At(picture, 1, 3)};
    });
    QSignalSpy spy(&picture, &CPictureEx::frameShown);
    QVERIFY(picture.DrawPicture());
    QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= 5, 3000);
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), white(255, 255, 255);
    const QList<QList<QColor>> expected = {
        {red, red, red, red},
        {green, red, red, red},
        {kDialogColour, blue, red, red},
        {kDialogColour, red, white, red},
        {red, red, red, red},  // the next round starts on a cleared canvas
    };
    for (int i = 0; i < 5; ++i) QCOMPARE(seen[i], expected[i]);
    picture.StopAnimation();
    QVERIFY(!picture.isAnimating());
    picture.UnloadPicture();
    QVERIFY(!picture.isLoaded());
    QCOMPARE(picture.backgroundColor(), QColor(255, 255, 255));
  }

  void hoverLinkShowsAHandAndForgetsTheMouse() {
    QWidget host;
    host.resize(200, 100);
    CHoverLink link(&host);
    link.setGeometry(10, 10, 100, 50);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy clicks(&link, &CHoverLink::clicked);
    QTest::mouseMove(&link, QPoint(20, 20));
    QTRY_VERIFY(link.isHovered());
    QTest::mouseMove(&host, QPoint(150, 90));
    QTRY_VERIFY_WITH_TIMEOUT(!link.isHovered(), 150);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicks.size(), 1);
  }

  // The core decodes the advertisement's frames as Qt's GIF reader does, pixel for pixel.
  void theAdvertisementDecodesAsQtDecodesIt() {
    QFile file(QString::fromLatin1(CAdArea::kResource));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto gifFile = zelvik::gif::WalkGif(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QVERIFY(gifFile && gifFile->frames.size() == 3);
    for (const zelvik::gif::GifFrame& frame : gifFile->frames) {
      const QImage qt = QImage::fromData(QByteArray::fromStdString(frame.gif), "GIF")
                            .convertToFormat(QImage::Format_ARGB32)
                            .copy(frame.left, frame.top, frame.width, frame.height);
      const auto ours = zelvik::gif::DecodeFrame(frame.gif);
      QVERIFY(ours.has_value());
      QCOMPARE(QSize(ours->width, ours->height), qt.size());
      int differing = 0;
      for (int y = 0; y < qt.height(); ++y) {
        for (int x = 0; x < qt.width(); ++x) {
          const QRgb a = qt.pixel(x, y), b = ours->pixels[static_cast<std::size_t>(y * ours->width + x)];
          differing += qAlpha(a) == 0 ? qAlpha(b) != 0 : a != b;
        }
      }
      QCOMPARE(differing, 0);
    }
  }

  void theAdvertisementPlaysCollapsesAndStartsAgain() {
    UrlCatcher urls;
    MainWindowFixture f;
    CZelvikDlg& dlg = f.dlg();
    CPictureEx* picture = dlg.adArea()->picture();
    QCOMPARE(picture->objectName(), QStringLiteral("1159"));
    QCOMPARE(picture->pictureSize(), QSize(425, 87));
    QCOMPARE(picture->frameCount(), 3);
    QCOMPARE(picture->backgroundColor(), kDialogColour);
    QVERIFY(picture->isAnimating());
    QSignalSpy spy(picture, &CPictureEx::frameShown);
    QVERIFY(WaitForFrame(spy, 1));

    auto* link = f.Main<CHoverLink>("1163");
    QVERIFY(link != nullptr);
    QVERIFY(link->geometry().intersects(picture->geometry()));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(urls.urls, QList<QUrl>{QUrl(QString::fromLatin1(zelvik::product::kShopPage))});

    dlg.OnAdTimer();
    QVERIFY(!picture->isAnimating());
    spy.clear();
    QTest::qWait(300);
    QCOMPARE(spy.size(), 0);

    QTest::mouseClick(f.Main<QPushButton>("1044"), Qt::LeftButton);
    QVERIFY(picture->isAnimating());
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.first().at(0).toInt(), 0);
    QCOMPARE(picture->currentFrame(), 0);
    QTest::mouseClick(f.Main<QPushButton>("1044"), Qt::LeftButton);
    QVERIFY(!picture->isAnimating());
  }
};

QTEST_MAIN(TestOnlineAd)
#include "test_online_ad.moc"
