// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>

namespace zelvik::ui {

QFont DialogFont() {
  // Resolved lazily by the font matcher: listing every installed family up front costs
  // several milliseconds of start-up. Never destroyed: a font must not outlive the
  // application's font cache.
  static const QFont* const font = [] {
    auto* f = new QFont;
    f->setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans SC", "Source Han Sans SC",
                    "WenQuanYi Zen Hei", "AR PL UMing CN"});
    f->setPointSize(9);
    return f;
  }();
  return *font;
}

namespace {

// Rounds a × b / c to the nearest integer, as the dialog manager does.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics fm(font);
  // The average width of the Latin letters, like the dialog manager's base unit.
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = (fm.horizontalAdvance(letters) / 26 + 1) / 2;
  baseY_ = fm.height();
  if (baseX_ < 1) baseX_ = 1;
  if (baseY_ < 1) baseY_ = 1;
}

int DialogUnits::X(int dlu) const { return MulDiv(dlu, baseX_, 4); }

int DialogUnits::Y(int dlu) const { return MulDiv(dlu, baseY_, 8); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }

}  // namespace zelvik::ui
