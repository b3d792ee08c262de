// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/custom_materials_dlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QFile>
#include <QPushButton>

#include "app/hand_over.h"
#include "app/zelvik_dlg.h"
#include "common/dialog_units.h"
#include "common/display_text.h"
#include "common/list_lines.h"
#include "common/message_box.h"
#include "common/save_failure.h"

namespace zelvik::ui {

namespace {

void SetEditable(QLineEdit* edit, bool editable) {
  edit->setReadOnly(!editable);
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, editable ? QColor(Qt::white) : p.color(QPalette::Window));
  edit->setPalette(p);
}

}  // namespace

CCustomMaterialsDlg::CCustomMaterialsDlg(QWidget* owner, IniFile config, std::function<void()> restart)
    : CToolWindow(owner, tr("自定义材料")), config_(std::move(config)), restart_(std::move(restart)) {
  QFont f = DialogFont();
  f.setPointSize(10);
  setFont(f);
  CreateControls();
  // The initial load renumbers the stored rows without gaps; a file that cannot be written
  // is not worth a box at start-up, when the user has done nothing.
  materials_.LoadAndRefresh(config_);
  RefreshList();
  type_->setCurrentIndex(0);
  OnTypeChanged(0);
}

void CCustomMaterialsDlg::CreateControls() {
  const DialogUnits du(font());
  setFixedSize(du.X(185), du.Y(195));
  auto label = [&](const QString& text, int x, int y, int w) {
    Place(new QLabel(text, this), nullptr, du.Rect(x, y, w, 10));
  };
  label(tr("类型："), 7, 9, 24);
  type_ = Place(new QComboBox(this), "1010", du.Rect(32, 7, 84, 12));
  for (const CustomKind& k : kCustomKinds) type_->addItem(CoreText(k.listText));
  label(tr("型号："), 7, 25, 24);
  model_ = Place(new QLineEdit(this), "1000", du.Rect(32, 23, 84, 12));
  label(tr("规格："), 7, 41, 24);
  spec_ = Place(new QLineEdit(this), "1001", du.Rect(32, 39, 84, 12));
  label(tr("单重："), 7, 57, 24);
  unitWeight_ = Place(new QLineEdit(this), "1002", du.Rect(32, 55, 60, 12));
  label(QStringLiteral("kg/m"), 95, 57, 22);

  auto button = [&](const char* id, const QString& text, const QRect& rect) {
    auto* b = Place(new QPushButton(text, this), id, rect);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* add = button("1044", tr("添 加"), du.Rect(124, 22, 54, 14));
  QPushButton* remove = button("1083", tr("删 除"), du.Rect(124, 39, 54, 14));
  list_ = Place(new QListWidget(this), "1116", du.Rect(7, 73, 171, 96));
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPushButton* restart =
      button("1089", tr("自定义完成后重新启动本软件！"), du.Rect(7, 173, 171, 16));

  connect(type_, &QComboBox::currentIndexChanged, this, &CCustomMaterialsDlg::OnTypeChanged);
  connect(add, &QPushButton::clicked, this, &CCustomMaterialsDlg::AddRow);
  connect(remove, &QPushButton::clicked, this, &CCustomMaterialsDlg::DeleteSelectedRow);
  connect(restart, &QPushButton::clicked, this, [this] {
    if (restart_) restart_();
  });
}

void CCustomMaterialsDlg::RefreshList() {
  QStringList lines;
  int position = 0;
  for (const CustomRow& row : materials_.rows()) {
    lines << tr("%1、%2 %3 %4 %5")
                 .arg(QString::number(++position), CoreText(row.typeName), QString::fromStdString(row.model),
                      QString::fromStdString(row.spec), QString::fromStdString(row.unitWeight));
  }
  SetListLines(list_, lines, kListExtentPx);
}

// The field texts stay as they are; only whether they can be edited changes.
void CCustomMaterialsDlg::OnTypeChanged(int kind) {
  const bool any = kind >= 0 && kind < kCustomKindCount;
  const bool spec = any && kCustomKinds[static_cast<std::size_t>(kind)].hasSpec;
  SetEditable(model_, any);
  SetEditable(spec_, spec);
  SetEditable(unitWeight_, any);
}

void CCustomMaterialsDlg::AddRow() {
  const int kind = type_->currentIndex();
  if (kind < 0) return;
  const CustomMaterials::AddOutcome out = materials_.Add(config_, kind, model_->text().toStdString(),
                                                         spec_->text().toStdString(), unitWeight_->text().toStdString());
  if (out.result != CustomAddResult::kAdded && out.result != CustomAddResult::kKindFull) {
    const MessageText m = CustomAddMessage(out.result);
    ShowNotice(this, CoreText(m.caption), CoreText(m.text));
    return;  // the texts were refused; the file was not read
  }
  RefreshList();
  if (out.result == CustomAddResult::kKindFull) {
    const MessageText m = CustomAddMessage(out.result);
    ShowNotice(this, CoreText(m.caption), CoreText(m.text));
  } else if (!out.stored) {
    SaveFailure::Tell(this, config_.path());
  } else {
    ShowLastOfKind(kind);
  }
}

void CCustomMaterialsDlg::DeleteSelectedRow() {
  if (list_->selectedItems().isEmpty()) return;
  bool stored = true;
  if (!materials_.Delete(config_, list_->currentRow(), &stored)) return;
  RefreshList();
  if (!stored) SaveFailure::Tell(this, config_.path());
}

// The list follows the file, where a row joins the others of its kind: bring the new one
// into view.
void CCustomMaterialsDlg::ShowLastOfKind(int kind) {
  const std::vector<CustomRow>& rows = materials_.rows();
  for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
    if (rows[static_cast<std::size_t>(i)].kind == kind) {
      list_->scrollToItem(list_->item(i));
      return;
    }
  }
}

void CCustomMaterialsDlg::showEvent(QShowEvent* event) {
  if (materials_.Refresh(config_)) RefreshList();
  CToolWindow::showEvent(event);
}

void RestartProgram(CZelvikDlg& main) {
  const std::filesystem::path self(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
  if (HandOver(main.instanceMarker(), self)) main.ExitApplication();
}

}  // namespace zelvik::ui
