// SPDX-License-Identifier: GPL-3.0-or-later
// The list window's controls, built when it is first shown.
#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "common/display_text.h"
#include "common/message_box.h"
#include "list/current_list_keeper.h"
#include "list/list_dlg.h"
#include "list/list_file_actions.h"
#include "list/list_item_delegate.h"
#include "list/list_summary_model.h"
#include "list/list_table_model.h"

namespace zelvik::ui {

void CListDlg::Build() {
  built_ = true;
  resolver_ = MakeSpecResolver(services_.customRows);
  model_ = new ListTableModel(list_, this);
  summary_ = new ListSummaryModel(this);
  files_ = new ListFileActions(this, *model_, *resolver_, [this] {
    return ListDocumentHeader{{}, customer_->text().trimmed().toStdString(), project_->text().trimmed().toStdString()};
  });
  keeper_ = new CurrentListKeeper(services_.currentPath, this);
  refresh_ = new QTimer(this);
  refresh_->setSingleShot(true);
  refresh_->setInterval(0);

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("list.table"));
  table_->setModel(model_);
  table_->setItemDelegate(new ListItemDelegate(table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setHighlightSections(false);

  totals_ = new QLabel(this);
  totals_->setObjectName(QStringLiteral("list.totals"));
  QFont bold = totals_->font();
  bold.setBold(true);
  totals_->setFont(bold);
  totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  summaryTable_ = new QTableView(this);
  summaryTable_->setObjectName(QStringLiteral("list.summary"));
  summaryTable_->setModel(summary_);
  summaryTable_->setSelectionMode(QAbstractItemView::NoSelection);
  summaryTable_->setFocusPolicy(Qt::NoFocus);
  summaryTable_->verticalHeader()->hide();
  summaryTable_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  summaryTable_->horizontalHeader()->setStretchLastSection(false);
  summaryTable_->horizontalHeader()->setHighlightSections(false);
  auto* summaryPane = new QWidget(this);
  auto* summaryLayout = new QVBoxLayout(summaryPane);
  summaryLayout->setContentsMargins(0, 0, 0, 0);
  summaryLayout->setSpacing(2);
  summaryLayout->addWidget(totals_);
  summaryLayout->addWidget(new QLabel(tr("汇总（按品名、规格、材质）"), summaryPane));
  summaryLayout->addWidget(summaryTable_);
  summaryPane->setMinimumHeight(fontMetrics().height() * 7);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(table_);
  splitter->addWidget(summaryPane);
  splitter->setCollapsible(0, false);
  splitter->setCollapsible(1, false);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);

  auto* header = new QHBoxLayout;
  customer_ = new QLineEdit(this);
  customer_->setObjectName(QStringLiteral("list.customer"));
  project_ = new QLineEdit(this);
  project_->setObjectName(QStringLiteral("list.project"));
  customer_->setToolTip(tr("打印和导出时写在表头"));
  project_->setToolTip(customer_->toolTip());
  header->addWidget(new QLabel(tr("客户："), this));
  header->addWidget(customer_, 2);
  header->addSpacing(12);
  header->addWidget(new QLabel(tr("工程："), this));
  header->addWidget(project_, 3);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("list.status"));
  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName(QStringLiteral("list.file"));
  auto* statusRow = new QHBoxLayout;
  statusRow->addWidget(status_, 1);
  statusRow->addWidget(fileLabel_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 6);
  layout->setSpacing(6);
  layout->addWidget(BuildToolBar());
  layout->addLayout(header);
  layout->addWidget(splitter, 1);
  layout->addWidget(BuildQuickEntry());
  layout->addLayout(statusRow);
  setMinimumSize(640, 420);

  connect(model_, &ListTableModel::listChanged, this, &CListDlg::OnListChanged);
  connect(model_, &ListTableModel::editRefused, this, [this](const QString& why) {
    ShowNotice(this, tr("材料清单"), tr("没有修改：%1").arg(why));
  });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CListDlg::RefreshCommands);
  connect(refresh_, &QTimer::timeout, this, [this] {
    RefreshTotals();
    SaveCurrentList();
  });
  connect(keeper_, &CurrentListKeeper::saved, this, &CListDlg::OnCurrentSaved);
  connect(files_, &ListFileActions::status, this, [this](const QString& text) { ShowStatus(text); });
  connect(files_, &ListFileActions::fileChanged, this, &CListDlg::RefreshFileLabel);
  connect(files_, &ListFileActions::listReplaced, table_, &QTableView::scrollToTop);
  SizeColumns();
}

QToolBar* CListDlg::BuildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setIconSize(QSize(1, 1));
  auto add = [&](const QString& text, const QKeySequence& key, auto slot) {
    QAction* a = bar->addAction(text);
    if (!key.isEmpty()) {
      a->setShortcut(key);
      a->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(QChar(u'…')), key.toString(QKeySequence::NativeText)));
    }
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add(tr("新建"), QKeySequence::New, [this] { files_->New(); });
  add(tr("打开…"), QKeySequence::Open, [this] { files_->Open(); });
  add(tr("保存"), QKeySequence::Save, [this] { files_->Save(); });
  add(tr("另存为…"), QKeySequence(tr("Ctrl+Shift+S")), [this] { files_->SaveAs(); });
  bar->addSeparator();
  add(tr("导出 Excel…"), QKeySequence(), [this] { files_->ExportXlsx(); });
  add(tr("导出 PDF…"), QKeySequence(), [this] { files_->ExportPdf(); });
  add(tr("打印…"), QKeySequence::Print, [this] { files_->Print(); });
  bar->addSeparator();
  undo_ = add(tr("撤销"), QKeySequence::Undo, &CListDlg::Undo);
  redo_ = add(tr("重做"), QKeySequence(tr("Ctrl+Y")), &CListDlg::Redo);
  redo_->setShortcuts({QKeySequence(tr("Ctrl+Y")), QKeySequence(tr("Ctrl+Shift+Z"))});
  bar->addSeparator();
  // Row commands act on the table: their keys belong to it. Copy and paste work anywhere in
  // the window but where a text field takes them for its own text.
  remove_ = add(tr("删除"), QKeySequence::Delete, &CListDlg::DeleteSelectedRows);
  moveUp_ = add(tr("上移"), QKeySequence(tr("Alt+Up")), [this] { MoveSelectedRows(-1); });
  moveDown_ = add(tr("下移"), QKeySequence(tr("Alt+Down")), [this] { MoveSelectedRows(1); });
  for (QAction* a : {remove_, moveUp_, moveDown_}) a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  bar->addSeparator();
  cutting_ = add(tr("下料优化…"), QKeySequence(), &CListDlg::SendToCutting);
  cutting_->setToolTip(tr("把选中的同一规格的行交给下料优化"));
  copy_ = new QAction(tr("复制"), this);
  copy_->setShortcut(QKeySequence::Copy);
  connect(copy_, &QAction::triggered, this, &CListDlg::CopySelectedRows);
  auto* paste = new QAction(tr("粘贴"), this);
  paste->setShortcut(QKeySequence::Paste);
  connect(paste, &QAction::triggered, this, &CListDlg::Paste);
  for (QAction* a : {copy_, paste}) {
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
  }
  auto separator = [this] {
    auto* a = new QAction(this);
    a->setSeparator(true);
    return a;
  };
  table_->addActions({copy_, paste, separator(), remove_, moveUp_, moveDown_, separator(), cutting_});
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* spacer = new QWidget(bar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(spacer);
  collect_ = new QCheckBox(tr("收集"), bar);
  collect_->setObjectName(QStringLiteral("list.collect"));
  collect_->setChecked(true);
  collect_->setToolTip(tr("开着时，计算器的“重量”按钮把算出的件也加到清单里"));
  bar->addWidget(collect_);
  return bar;
}

QWidget* CListDlg::BuildQuickEntry() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  spec_ = new QLineEdit(row);
  spec_->setObjectName(QStringLiteral("list.spec"));
  spec_->setPlaceholderText(tr("如 L50×5、[20a、Φ108×4、-10×1500×6000"));
  length_ = new QLineEdit(row);
  length_->setObjectName(QStringLiteral("list.length"));
  quantity_ = new QLineEdit(row);
  quantity_->setObjectName(QStringLiteral("list.quantity"));
  quantity_->setPlaceholderText(QStringLiteral("1"));
  lengthLabel_ = new QLabel(row);
  auto* add = new QPushButton(tr("添加"), row);
  add->setObjectName(QStringLiteral("list.add"));
  add->setAutoDefault(false);
  entryError_ = new QLabel(row);
  entryError_->setObjectName(QStringLiteral("list.entryError"));
  QPalette red = entryError_->palette();
  red.setColor(QPalette::WindowText, QColor(192, 0, 0));
  entryError_->setPalette(red);
  // A long reason (the parser's candidates) wraps where it is rather than squeezing the fields.
  entryError_->setWordWrap(true);
  entryError_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  spec_->setMinimumWidth(digit * 22);
  length_->setFixedWidth(digit * 10);
  quantity_->setFixedWidth(digit * 7);
  layout->addWidget(new QLabel(tr("规格："), row));
  layout->addWidget(spec_, 3);
  layout->addWidget(lengthLabel_);
  layout->addWidget(length_);
  layout->addWidget(new QLabel(tr("数量："), row));
  layout->addWidget(quantity_);
  layout->addWidget(add);
  layout->addWidget(entryError_, 4);
  for (QLineEdit* field : {spec_, length_, quantity_}) {
    connect(field, &QLineEdit::returnPressed, this, &CListDlg::AddQuickEntry);
    connect(field, &QLineEdit::textEdited, entryError_, &QLabel::clear);
  }
  connect(add, &QPushButton::clicked, this, &CListDlg::AddQuickEntry);
  return row;
}

void CListDlg::SizeColumns() {
  const QFontMetrics fm(table_->font());
  const QFontMetrics hm(table_->horizontalHeader()->font());
  const QString samples[kListColumnCount] = {
      QStringLiteral("0000"),      CoreText("角钢(热轧)"),       QStringLiteral("∠100×100×10"),
      QStringLiteral("Q235B"),     QStringLiteral("12000.5"),   QStringLiteral("99999"),
      QStringLiteral("12.345 kg/m²"), QStringLiteral("12345.67"), QStringLiteral("123456.78"),
      QStringLiteral("12345.00"),  QStringLiteral("元/千克 ▾"), QStringLiteral("1234567.89"),
      QString(),
  };
  for (int c = 0; c + 1 < kListColumnCount; ++c) {
    const QString title = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    table_->setColumnWidth(c, std::max(fm.horizontalAdvance(samples[c]), hm.horizontalAdvance(title)) + 18);
  }
  // The summary's columns as wide as the list's that hold the same things.
  const ListColumn same[kSummaryColumnCount] = {ListColumn::kProduct, ListColumn::kSpec, ListColumn::kMaterial,
                                                ListColumn::kQuantity, ListColumn::kLength, ListColumn::kTotalKg,
                                                ListColumn::kAmount};
  for (int c = 0; c < kSummaryColumnCount; ++c) {
    const QString title = summary_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    summaryTable_->setColumnWidth(c, std::max(table_->columnWidth(static_cast<int>(same[c])), hm.horizontalAdvance(title) + 18));
  }
}

// Beside the main window on a small screen the window would run off its right edge.
void CListDlg::FitScreen() {
  const QScreen* s = screen();
  if (s == nullptr) return;
  const QRect room = s->availableGeometry();
  const QRect frame = frameGeometry();
  const int decoration = frame.width() - width();
  const int w = std::clamp(room.right() + 1 - frame.left() - decoration, minimumWidth(), width());
  const int h = std::clamp(room.bottom() + 1 - frame.top() - (frame.height() - height()), minimumHeight(), height());
  if (w != width() || h != height()) resize(w, h);
}

}  // namespace zelvik::ui
