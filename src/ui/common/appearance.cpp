// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/appearance.h"

#include <QApplication>

#include "common/app_icons.h"
#include "common/dialog_units.h"

namespace zelvik::ui {

QPalette DialogPalette() {
  const QColor button(232, 237, 248);
  QPalette p(button, kDialogColour);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, kDialogColour);
    p.setColor(group, QPalette::WindowText, Qt::black);
    p.setColor(group, QPalette::Base, Qt::white);
    p.setColor(group, QPalette::AlternateBase, QColor(238, 242, 250));
    p.setColor(group, QPalette::Text, Qt::black);
    p.setColor(group, QPalette::Button, button);
    p.setColor(group, QPalette::ButtonText, Qt::black);
    p.setColor(group, QPalette::Highlight, QColor(51, 153, 255));
    p.setColor(group, QPalette::HighlightedText, Qt::white);
    p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(group, QPalette::ToolTipText, Qt::black);
    p.setColor(group, QPalette::PlaceholderText, QColor(120, 120, 120));
  }
  const QColor grey(128, 128, 128);
  p.setColor(QPalette::Disabled, QPalette::Window, kDialogColour);
  p.setColor(QPalette::Disabled, QPalette::WindowText, grey);
  p.setColor(QPalette::Disabled, QPalette::Text, grey);
  p.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
  p.setColor(QPalette::Disabled, QPalette::Base, kDialogColour);
  p.setColor(QPalette::Disabled, QPalette::Button, button);
  return p;
}

void ApplyAppearance(QApplication& app) {
  app.setPalette(DialogPalette());
  app.setFont(DialogFont());
  app.setWindowIcon(SteelProfileIcon());
}

}  // namespace zelvik::ui
