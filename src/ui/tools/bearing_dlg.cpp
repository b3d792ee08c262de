// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bearing_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "common/dialog_units.h"
#include "common/display_text.h"
#include "pages/drop_list.h"
#include "reference/bearing_catalogue.h"
#include "reference/find_next.h"
#include "tools/column_text.h"
#include "tools/static_lines_model.h"
#include "tools/tool_fonts.h"

namespace zelvik::ui {

CBearingDlg::CBearingDlg(QWidget* owner) : CToolWindow(owner, tr("轴承查询")) {
  setFont(ToolWindowFont(10));
  const DialogUnits du(font());
  // One column of the catalogue's layout is one average character of the dialog font.
  unit_ = du.baseX();

  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("1116"));
  model_ = new StaticLinesModel(BearingLines(), list_);
  list_->setModel(model_);
  list_->setItemDelegate(new ColumnItemDelegate(unit_, list_));
  list_->setGeometry(du.Rect(4, 16, 166, 95));
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list_->setUniformItemSizes(true);
  list_->setTextElideMode(Qt::ElideNone);

  // The caption's words stand over the list's columns: same cells, same left edge.
  caption_ = new ColumnLabel(tr("新代号   旧代号   基本尺寸(mm)  重量(kg)  "), unit_, this);
  const int captionLeft = list_->x() + list_->frameWidth() + ColumnItemDelegate::TextMargin(list_);
  caption_->setGeometry(captionLeft, du.Y(5), list_->geometry().right() - captionLeft, du.Y(10));
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { OnLineSelected(current.row()); });
  connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) { CopyLine(index.row()); });

  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("1000"));
  search_->setGeometry(du.Rect(7, 116, 105, 13));

  find_ = new QPushButton(tr("查  询 (下一个)"), this);
  find_->setObjectName(QStringLiteral("1044"));
  find_->setGeometry(du.Rect(115, 115, 52, 15));
  find_->setDefault(true);
  SetEnterPressesDefault(true);
  connect(find_, &QPushButton::clicked, this, &CBearingDlg::FindNext);

  kinds_ = new CDropList(this);
  kinds_->setObjectName(QStringLiteral("1010"));
  for (std::string_view entry : BearingKindEntries()) {
    kinds_->addItem(CoreText(entry));
  }
  // A row of its own, below the search: as wide as the list, it shows a whole heading (a
  // longer one would show shortened, and whole as its tooltip and in the opened list).
  kinds_->setGeometry(du.Rect(7, 133, 160, 14));
  kinds_->setMaxVisibleItems(13);
  kinds_->view()->setMinimumWidth(kinds_->view()->sizeHintForColumn(0) + du.X(8));
  kinds_->setCurrentIndex(0);
  // Only the user's choice jumps; the list's own selection sets the entry without a jump.
  connect(kinds_, &QComboBox::activated, this, &CBearingDlg::OnKindChosen);

  setFixedSize(du.X(174), du.Y(153));
}

void CBearingDlg::showEvent(QShowEvent* event) {
  // The column face is looked up when the window first shows, not while the program starts.
  if (!columnFontSet_) {
    const QFont columns = FitColumnFont(unit_);
    list_->setFont(columns);
    caption_->setFont(columns);
    columnFontSet_ = true;
  }
  CToolWindow::showEvent(event);
}

int CBearingDlg::selectedLine() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void CBearingDlg::SelectLine(int line) {
  const QModelIndex index = model_->index(line);
  list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  list_->scrollTo(index, QAbstractItemView::EnsureVisible);
}

void CBearingDlg::FindNext() {
  // The lines as shown, so that English finds English headings; from the line after the
  // selected one, or after the first when none is.
  const std::string text = search_->text().toStdString();
  const int count = model_->rowCount();
  const int selected = selectedLine();
  const int line = zelvik::FindNext(count, selected >= 0 && selected < count ? selected : 0,
                            [&](int i) { return ContainsText(model_->line(i).toStdString(), text); });
  if (line < 0) {
    ShowNotFound(this);
    return;
  }
  SelectLine(line);
  OnLineSelected(line);  // the kind list follows even when the hit is the line already current
}

void CBearingDlg::OnKindChosen(int entry) {
  const int line = BearingLineOfEntry(entry);
  if (line >= 0) SelectLine(line);
}

void CBearingDlg::OnLineSelected(int line) {
  const int entry = BearingEntryOfLine(line);
  if (entry >= 0) kinds_->setCurrentIndex(entry);
}

void CBearingDlg::CopyLine(int line) {
  if (line < 0) return;
  QApplication::clipboard()->setText(model_->line(line));
}

}  // namespace zelvik::ui
