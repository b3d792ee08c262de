// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace zelvik::ui {

class CHoverLink;
class CPictureEx;

// The advertising area of the main window: the animated advertisement (control 1159) and
// the click area over it (1163) that opens the maker's web shop.
class CAdArea : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kResource = ":/ad/ad.gif";
  static constexpr const char* kEnglishResource = ":/ad/ad_en.gif";

  CAdArea(QWidget* window, const QRect& pictureRect, const QRect& linkRect);

  // Loads the advertisement (in the interface's language) afresh and plays it from its
  // first frame; shows nothing when it cannot be loaded.
  void Start();
  void Stop();

  CPictureEx* picture() const { return picture_; }
  CHoverLink* link() const { return link_; }

 private:
  CPictureEx* picture_;
  CHoverLink* link_;
};

// Opens the maker's web shop page in the desktop's browser.
void OpenShopPage();

}  // namespace zelvik::ui
