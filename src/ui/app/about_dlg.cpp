// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/about_texts.h"
#include "app/hand_over.h"
#include "app/x11_desktop.h"
#include "app/zelvik_dlg.h"
#include "common/dialog_units.h"
#include "common/text_fit.h"
#include "online/ad_area.h"
#include "online/update_runner.h"

namespace zelvik::ui {

namespace {

QPlainTextEdit* ReadOnlyText(const QString& id, const QString& text, QWidget* parent) {
  auto* edit = new QPlainTextEdit(text, parent);
  edit->setObjectName(id);
  edit->setReadOnly(true);
  edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  return edit;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), updater_(new CUpdateRunner(this)) {
  setWindowTitle(QStringLiteral("Zelvik(2013.11.17)"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  const DialogUnits du(font());

  auto* guideLabel = new QLabel(tr("软件使用说明"), this);
  guideLabel->setGeometry(du.Rect(7, 7, 60, 10));
  QPlainTextEdit* guide = ReadOnlyText(QStringLiteral("1002"), UserGuideText(), this);
  guide->setGeometry(du.Rect(7, 18, 262, 150));

  auto* logLabel = new QLabel(tr("更新日志"), this);
  logLabel->setGeometry(du.Rect(7, 173, 60, 10));
  QPlainTextEdit* log = ReadOnlyText(QStringLiteral("1005"), UpdateLogText(), this);
  log->setGeometry(du.Rect(7, 184, 262, 62));

  auto* update = new QPushButton(tr("检查\n更新"), this);
  update->setObjectName(QStringLiteral("1089"));
  update->setGeometry(du.Rect(276, 18, 42, 26));
  update->setAutoDefault(false);
  update->setToolTip(tr("打开下载页面并在线检查新版本"));
  // A second check would write the same list file and folder: the button waits for the first.
  connect(update, &QPushButton::clicked, updater_, &CUpdateRunner::Start);
  connect(updater_, &CUpdateRunner::runningChanged, update, [update](bool running) { update->setEnabled(!running); });
  if (auto* main = qobject_cast<CZelvikDlg*>(parent)) {
    // The new version takes over as a restart does; the global key goes too, or the new copy
    // could not grab it while this one still runs.
    updater_->SetStarter([main](const std::filesystem::path& program) {
      GlobalHotKey* key = main->findChild<GlobalHotKey*>();
      const bool hadKey = key != nullptr && key->registered();
      if (hadKey) key->Unregister();
      if (HandOver(main->instanceMarker(), program)) return true;
      if (hadKey) key->Register();
      return false;
    });
  }

  auto* shop = new QPushButton(tr("访问网店"), this);
  shop->setObjectName(QStringLiteral("1090"));
  shop->setGeometry(du.Rect(276, 50, 42, 14));
  shop->setAutoDefault(false);
  shop->setToolTip(tr("打开网店页面"));
  connect(shop, &QPushButton::clicked, this, &OpenShopPage);

  auto* close = new QPushButton(tr("关闭"), this);
  close->setObjectName(QStringLiteral("1"));
  close->setGeometry(du.Rect(276, 232, 42, 14));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(du.X(325), du.Y(253));
  FitTexts(this);
}

}  // namespace zelvik::ui
