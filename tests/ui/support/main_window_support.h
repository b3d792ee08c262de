// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "app/tray_icon.h"
#include "app/zelvik_dlg.h"
#include "pages/weight_page.h"

class QComboBox;
class QWidget;

namespace zelvik::ui::test {

// A main window on a configuration folder of its own (ZELVIK_CONFIG_DIR points there while
// it is built, as the program finds its file). Shown, so that default buttons work.
class MainWindowFixture {
 public:
  // config: written to ConfigMW.ini first when not empty (GBK bytes, as on disk).
  explicit MainWindowFixture(const QByteArray& config = {}, InstanceMarker* marker = nullptr,
                             MainWindowServices services = {});
  ~MainWindowFixture();

  CZelvikDlg& dlg() { return *dlg_; }
  std::filesystem::path configPath() const { return configPath_; }
  // The configuration file's text, empty when there is none.
  QString ConfigText() const;
  bool ConfigExists() const;

  // A control of the main window itself (page controls reuse some identifiers).
  template <class W>
  W* Main(const char* id) const {
    return dlg_->findChild<W*>(QString::fromLatin1(id), Qt::FindDirectChildrenOnly);
  }
  // A control of page 0, 1 or 2.
  template <class W>
  W* OnPage(int page, const char* id) const {
    return dlg_->page(page)->findChild<W*>(QString::fromLatin1(id));
  }

 private:
  QTemporaryDir dir_;
  std::filesystem::path configPath_;
  std::unique_ptr<CZelvikDlg> dlg_;
};

// A tray host the test controls: whether one is there, what the window showed in it.
class FakeTray : public TrayIcon {
 public:
  explicit FakeTray(QObject* parent) : TrayIcon(parent) {}
  bool HostAvailable() const override { return host; }
  void Show(const QIcon&, const QString& tip, QMenu* m) override {
    shown = true;
    tooltip = tip;
    menu = m;
  }
  void Remove() override {
    shown = false;
    ++removals;
  }
  bool Visible() const override { return shown && host; }
  void Activate(QSystemTrayIcon::ActivationReason reason) { emit activated(reason); }

  bool host = true;
  bool shown = false;
  int removals = 0;
  QString tooltip;
  QMenu* menu = nullptr;
};

// Services with a fake tray (created in *tray) and no desktop hooks.
MainWindowServices FakeDesktop(FakeTray** tray, bool trayHost = true);

// Selects an item the way the user does (arrow keys), so the list reports the choice.
void ChooseByUser(QComboBox* list, int index);

// Closes the next modal window as soon as it shows and returns its title through *title.
void CloseNextModal(QString* title);

// Applies the program's palette and font to the test application, and its Chinese.
void UseProgramAppearance();

}  // namespace zelvik::ui::test
