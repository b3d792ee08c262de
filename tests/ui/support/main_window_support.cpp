// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/main_window_support.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "common/appearance.h"
#include "common/language.h"
#include "config/config_path.h"

namespace zelvik::ui::test {

MainWindowServices FakeDesktop(FakeTray** tray, bool trayHost) {
  MainWindowServices services;
  services.makeTray = [tray, trayHost](QObject* parent) {
    auto* fake = new FakeTray(parent);
    fake->host = trayHost;
    *tray = fake;
    return fake;
  };
  services.desktopHooks = false;
  services.userDragging = [] { return false; };
  return services;
}

MainWindowFixture::MainWindowFixture(const QByteArray& config, InstanceMarker* marker,
                                     MainWindowServices services) {
  qputenv(kConfigDirEnv, QFile::encodeName(dir_.path()));
  configPath_ = ConfigFilePath(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  if (!config.isEmpty()) {
    QFile file(QString::fromStdString(configPath_.string()));
    if (file.open(QIODevice::WriteOnly)) file.write(config);
  }
  dlg_ = std::make_unique<CZelvikDlg>(configPath_, marker, std::move(services));
  dlg_->show();
  if (!QTest::qWaitForWindowExposed(dlg_.get())) qWarning("main window not exposed");
  if (!QTest::qWaitFor([this] { return dlg_->startFinished(); })) qWarning("the start did not finish");
}

MainWindowFixture::~MainWindowFixture() = default;

QString MainWindowFixture::ConfigText() const {
  QFile file(QString::fromStdString(configPath_.string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll());
}

bool MainWindowFixture::ConfigExists() const { return QFile::exists(QString::fromStdString(configPath_.string())); }

void ChooseByUser(QComboBox* list, int index) {
  list->setFocus();
  for (int step = 0; step < list->count() && list->currentIndex() < index; ++step) {
    QTest::keyClick(list, Qt::Key_Down);
  }
  for (int step = 0; step < list->count() && list->currentIndex() > index; ++step) {
    QTest::keyClick(list, Qt::Key_Up);
  }
}

void CloseNextModal(QString* title) {
  auto* poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, tries, title] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (title != nullptr) *title = modal->windowTitle();
      modal->close();
      poll->deleteLater();
    } else if (++*tries > 500) {
      poll->deleteLater();
    }
  });
  poll->start(10);
}

void UseProgramAppearance() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    ApplyAppearance(*app);
    InstallLanguage(*app, Language::kChinese);
  }
}

}  // namespace zelvik::ui::test
