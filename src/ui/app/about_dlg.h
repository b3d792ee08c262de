#pragma once

#include <QDialog>

namespace zelvik::ui {

// The about box: user guide, update log, update check and the web shop.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent);
};

}  // namespace zelvik::ui
