// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace zelvik::ui {

class CUpdateRunner;

// The about box: user guide, update log, update check and the web shop.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent);

  CUpdateRunner* updater() const { return updater_; }

 private:
  CUpdateRunner* updater_;
};

}  // namespace zelvik::ui
