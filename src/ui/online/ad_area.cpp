// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/ad_area.h"

#include <QDesktopServices>
#include <QUrl>

#include "common/appearance.h"
#include "common/language.h"
#include "online/hover_link.h"
#include "online/picture_ex.h"
#include "product.h"

// The resource lives in a static library, whose registration the linker may drop unless
// something names it.
static void RegisterAdResource() { Q_INIT_RESOURCE(ad); }

namespace zelvik::ui {

CAdArea::CAdArea(QWidget* window, const QRect& pictureRect, const QRect& linkRect)
    : QObject(window), picture_(new CPictureEx(window)), link_(new CHoverLink(window)) {
  picture_->setObjectName(QStringLiteral("1159"));
  picture_->setGeometry(pictureRect);
  link_->setObjectName(QStringLiteral("1163"));
  link_->setGeometry(linkRect);
  link_->raise();
  connect(link_, &CHoverLink::clicked, this, &OpenShopPage);
  RegisterAdResource();
}

void CAdArea::Start() {
  if (picture_->LoadPicture(QString::fromLatin1(IsEnglish() ? kEnglishResource : kResource))) {
    picture_->SetBackgroundColor(kDialogColour);
    picture_->DrawPicture();
  }
}

void CAdArea::Stop() { picture_->StopAnimation(); }

void OpenShopPage() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(product::kShopPage))); }

}  // namespace zelvik::ui
