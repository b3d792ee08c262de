// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
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
#include <set>

#include "common/busy_task.h"
#include "common/message_box.h"
#include "list/current_list_keeper.h"
#include "list/list_fields.h"
#include "list/list_file_actions.h"
#include "list/list_item_delegate.h"
#include "list/list_paste.h"
#include "list/list_summary_model.h"
#include "list/list_table_model.h"
#include "pages/weight_page.h"
#include "weight/registry.h"

namespace zelvik::ui {

namespace {

constexpr int kMaxProblemsShown = 20;

QString Fs(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

CListDlg::CListDlg(QWidget* owner, ListWindowServices services)
    : CToolWindow(owner, tr("材料清单")), services_(std::move(services)) {
  if (services_.currentPath.empty()) services_.currentPath = CurrentListPath();
  setSizeGripEnabled(true);
  resize(1000, 700);
}

// The last change reaches current.csv; the model goes while the list it watches is there.
CListDlg::~CListDlg() {
  if (refresh_ != nullptr && refresh_->isActive()) SaveCurrentList();
  delete keeper_;
  delete model_;
}

void CListDlg::CollectFrom(const CWeightPage* page) {
  if (page != nullptr) connect(page, &CWeightPage::weighed, this, &CListDlg::Collect);
}

void CListDlg::showEvent(QShowEvent* event) {
  if (!built_) {
    Build();
    LoadCurrentList();
    FitScreen();
  }
  RefreshDisplay();
  CToolWindow::showEvent(event);
}

// The main window's units and places may have changed while this one was in the background.
void CListDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && built_) RefreshDisplay();
  CToolWindow::changeEvent(event);
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

ListDisplay CListDlg::Display() const {
  ListDisplay d;
  if (!services_.settings) return d;
  const WeightSettings s = services_.settings();
  if (s.decimals >= 0 && s.decimals <= 9) d.decimals = s.decimals;
  if (s.unitSystem >= 0 && s.unitSystem < kUnitSystemCount) d.unitSystem = s.unitSystem;
  return d;
}

double CListDlg::Density() const { return services_.settings ? services_.settings().density : kTableDensity; }

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
  // Row commands act on the table: their keys belong to it, and a text field keeps its own.
  remove_ = add(tr("删除"), QKeySequence::Delete, &CListDlg::DeleteSelectedRows);
  moveUp_ = add(tr("上移"), QKeySequence(tr("Alt+Up")), [this] { MoveSelectedRows(-1); });
  moveDown_ = add(tr("下移"), QKeySequence(tr("Alt+Down")), [this] { MoveSelectedRows(1); });
  copy_ = new QAction(tr("复制"), this);
  copy_->setShortcut(QKeySequence::Copy);
  connect(copy_, &QAction::triggered, this, &CListDlg::CopySelectedRows);
  auto* paste = new QAction(tr("粘贴"), this);
  paste->setShortcut(QKeySequence::Paste);
  connect(paste, &QAction::triggered, this, &CListDlg::Paste);
  for (QAction* a : {remove_, moveUp_, moveDown_, copy_, paste}) {
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(a);
  }
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  bar->addSeparator();
  cutting_ = add(tr("下料优化…"), QKeySequence(), &CListDlg::SendToCutting);
  cutting_->setToolTip(tr("把选中的同一规格的行交给下料优化"));

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
      QStringLiteral("0000"),      QStringLiteral("角钢(热轧)"), QStringLiteral("∠100×100×10"),
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

void CListDlg::LoadCurrentList() {
  const CurrentListStore& store = keeper_->store();
  // Before the window first paints: no event loop of its own here.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  ListFileResult loaded = store.Load(*resolver_);
  QGuiApplication::restoreOverrideCursor();
  if (auto* rows = std::get_if<std::vector<ListRow>>(&loaded)) {
    list_.Load(std::move(*rows));
    refresh_->stop();  // read, not changed: nothing to write back
    RefreshTotals();
    if (list_.size() > 0) {
      table_->scrollToBottom();
      ShowStatus(tr("上次的清单，%1 行").arg(list_.size()));
    }
    return;
  }
  // Never written over: moved aside for the user to look at, or else left alone.
  const auto& problem = std::get<ListFileProblem>(loaded);
  const QString reason = problem.line == 0 ? QString::fromStdString(problem.reason)
                                           : tr("第 %1 行：%2").arg(problem.line).arg(QString::fromStdString(problem.reason));
  const std::filesystem::path aside = store.SetAside();
  keepCurrent_ = !aside.empty();
  const QString text = keepCurrent_ ? tr("上次的清单 %1 无法读取（%2）。\n它已改名为 %3，清单从空白开始。")
                                          .arg(Fs(store.path()), reason, Fs(aside))
                                    : tr("上次的清单 %1 无法读取（%2），也无法改名移开。\n"
                                         "为了不覆盖它，这次的修改不会自动保留，请用“另存为”保存。")
                                          .arg(Fs(store.path()), reason);
  QTimer::singleShot(0, this, [this, text] { ShowNotice(this, tr("材料清单"), text); });
  RefreshTotals();
}

void CListDlg::RefreshDisplay() {
  const ListDisplay d = Display();
  model_->SetDisplay(d);
  lengthLabel_->setText(tr("长度(%1)：").arg(QString::fromLatin1(d.LengthUnit())));
  RefreshTotals();
}

void CListDlg::OnListChanged() {
  refresh_->start();
  RefreshCommands();
  RefreshFileLabel();
}

void CListDlg::RefreshTotals() {
  const ListDisplay d = model_->display();
  const std::span<const ListRow> rows = list_.rows();
  const ListTotals t = ComputeTotals(rows);
  const QString weight = QString::fromStdString(FormatRounded(t.totalKg / d.WeightDivisor(), d.decimals));
  QString text = tr("合计：%1 行，%2 件　　总重 %3 %4").arg(rows.size()).arg(t.pieces).arg(weight, QString::fromLatin1(d.WeightUnit()));
  if (d.WeightDivisor() == 1) text += tr("（%1 t）").arg(QString::fromStdString(FormatRounded(t.totalT, 3)));
  text += tr("　　金额 %1 元").arg(QString::fromStdString(FormatRounded(t.amount, kAmountDecimals)));
  totals_->setText(text);
  summary_->SetLines(Summarize(rows), d);
  RefreshCommands();
}

void CListDlg::RefreshCommands() {
  if (!built_) return;
  undo_->setEnabled(list_.CanUndo());
  redo_->setEnabled(list_.CanRedo());
  const bool any = table_->selectionModel()->hasSelection();
  for (QAction* a : {remove_, moveUp_, moveDown_, cutting_, copy_}) a->setEnabled(any);
}

void CListDlg::RefreshFileLabel() {
  const QString& path = files_->filePath();
  QString text = path.isEmpty() ? tr("未存为文件") : QFileInfo(path).fileName();
  if (!path.isEmpty() && !list_.IsClean()) text += tr("（有未保存的修改）");
  fileLabel_->setText(text);
  fileLabel_->setToolTip(path);
}

void CListDlg::SaveCurrentList() {
  if (!keepCurrent_) return;
  keeper_->Save(std::vector<ListRow>(list_.rows().begin(), list_.rows().end()), model_->display().decimals);
}

void CListDlg::FlushCurrentList() {
  if (refresh_ != nullptr && refresh_->isActive()) {
    refresh_->stop();
    RefreshTotals();
    SaveCurrentList();
  }
  if (keeper_ != nullptr) keeper_->Flush();
}

// Said once when it starts failing, and once when it works again.
void CListDlg::OnCurrentSaved(bool ok) {
  if (ok == !saveFailed_) return;
  saveFailed_ = !ok;
  if (ok) {
    ShowStatus(tr("清单又能自动保留了"));
    return;
  }
  ShowStatus(tr("无法保留清单到 %1").arg(Fs(keeper_->store().path())), true);
  ShowNotice(this, tr("材料清单"),
             tr("无法把清单写到 %1。\n在能写入之前，关机或出错会丢失修改；请用“另存为”另存一份。")
                 .arg(Fs(keeper_->store().path())));
}

void CListDlg::ShowStatus(const QString& text, bool problem) {
  QPalette p = status_->palette();
  p.setColor(QPalette::WindowText, problem ? QColor(192, 0, 0) : palette().color(QPalette::WindowText));
  status_->setPalette(p);
  status_->setText(text);
}

std::vector<std::size_t> CListDlg::SelectedRows() const {
  std::vector<std::size_t> rows;
  if (!built_) return rows;
  for (const QModelIndex& i : table_->selectionModel()->selectedRows()) rows.push_back(static_cast<std::size_t>(i.row()));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CListDlg::SelectRows(std::size_t first, std::size_t count) {
  if (count == 0) return;
  const QModelIndex top = model_->index(static_cast<int>(first), 0);
  const QModelIndex bottom = model_->index(static_cast<int>(first + count - 1), kListColumnCount - 1);
  table_->selectionModel()->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
  table_->selectionModel()->setCurrentIndex(model_->index(static_cast<int>(first), static_cast<int>(ListColumn::kSpec)),
                                            QItemSelectionModel::NoUpdate);
  table_->scrollTo(bottom);
}

void CListDlg::Collect(const Weighing& weighing) {
  if (!built_ || !isVisible() || !collect_->isChecked()) return;
  RefreshDisplay();
  const QString product = QString::fromUtf8(GetCalcInfo(weighing.calc).title);
  auto row = RowOfWeighing(weighing, services_.customRows, *resolver_);
  if (const auto* why = std::get_if<std::string>(&row)) {
    ShowStatus(tr("没有收集%1：%2").arg(product, QString::fromStdString(*why)), true);
    return;
  }
  const QString spec = QString::fromStdString(std::get<ListRow>(row).item.spec);
  list_.Append({std::move(std::get<ListRow>(row))});
  SelectRows(list_.size() - 1, 1);
  ShowStatus(tr("已收集：%1 %2").arg(product, spec));
}

bool CListDlg::AddQuickEntry() {
  RowTexts texts;
  texts.spec = spec_->text().toStdString();
  texts.length = length_->text().toStdString();
  texts.quantity = quantity_->text().toStdString();
  texts.lengthScale = model_->display().LengthDivisor();
  auto row = MakeRow(texts, *resolver_, RowDefaults{Density(), false});
  if (const auto* why = std::get_if<std::string>(&row)) {
    entryError_->setText(QString::fromStdString(*why));
    entryError_->setToolTip(entryError_->text());
    return false;
  }
  entryError_->clear();
  list_.Append({std::move(std::get<ListRow>(row))});
  SelectRows(list_.size() - 1, 1);
  // The next row is often the same spec at another length: everything stays to be typed over.
  spec_->setFocus(Qt::TabFocusReason);
  spec_->selectAll();
  return true;
}

void CListDlg::Paste() {
  if (const QClipboard* clipboard = QGuiApplication::clipboard()) PasteText(clipboard->text());
}

void CListDlg::PasteText(const QString& text) {
  PasteResult pasted;
  const std::string utf8 = text.toStdString();
  const double density = Density();
  RunBusy(this, tr("正在读取粘贴的行…"), [&] { pasted = ReadPastedRows(utf8, *resolver_, density); });
  const std::size_t first = list_.size();
  const std::size_t added = pasted.rows.size();
  list_.Append(std::move(pasted.rows));
  SelectRows(first, added);
  if (pasted.problems.empty()) {
    ShowStatus(added == 0 ? tr("剪贴板里没有可以读的行") : tr("已粘贴 %1 行").arg(added));
    return;
  }
  QStringList lines;
  for (std::size_t i = 0; i < pasted.problems.size() && i < kMaxProblemsShown; ++i) {
    lines << tr("第 %1 行：%2").arg(pasted.problems[i].line).arg(QString::fromStdString(pasted.problems[i].reason));
  }
  if (pasted.problems.size() > kMaxProblemsShown) {
    lines << tr("……还有 %1 行").arg(pasted.problems.size() - kMaxProblemsShown);
  }
  ShowStatus(tr("已粘贴 %1 行，%2 行没有读进来").arg(added).arg(pasted.problems.size()), true);
  ShowNotice(this, tr("粘贴"),
             tr("已添加 %1 行。下面 %2 行读不懂，没有添加：\n\n%3").arg(added).arg(pasted.problems.size()).arg(lines.join(u'\n')));
}

void CListDlg::CopySelectedRows() {
  const std::vector<std::size_t> rows = SelectedRows();
  if (rows.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(CopyRowsText(list_.rows(), rows, model_->display())));
  ShowStatus(tr("已复制 %1 行，可以粘贴到表格软件").arg(rows.size()));
}

void CListDlg::DeleteSelectedRows() {
  std::vector<std::size_t> rows = SelectedRows();
  if (rows.empty()) return;
  const std::size_t first = rows.front();
  const std::size_t count = rows.size();
  list_.Remove(std::move(rows));
  if (list_.size() > 0) SelectRows(std::min(first, list_.size() - 1), 1);
  ShowStatus(tr("已删除 %1 行（撤销可恢复）").arg(count));
}

void CListDlg::MoveSelectedRows(int step) {
  const std::vector<std::size_t> rows = SelectedRows();
  if (rows.empty()) return;
  const std::size_t first = rows.front();
  const std::size_t count = rows.back() - first + 1;
  if (count != rows.size()) {
    ShowStatus(tr("只能移动相连的行"), true);
    return;
  }
  if (step < 0 && first == 0) return;
  if (step > 0 && first + count >= list_.size()) return;
  const std::size_t destination = step < 0 ? first - 1 : first + count + 1;
  if (list_.Move(first, count, destination)) SelectRows(step < 0 ? first - 1 : first + 1, count);
}

void CListDlg::Undo() {
  if (list_.Undo()) ShowStatus(tr("已撤销"));
}

void CListDlg::Redo() {
  if (list_.Redo()) ShowStatus(tr("已重做"));
}

void CListDlg::SendToCutting() {
  const std::vector<std::size_t> rows = SelectedRows();
  if (rows.empty()) {
    ShowNotice(this, tr("下料优化"), tr("请先在清单里选中同一规格的行。"));
    return;
  }
  std::set<std::string> specs;
  for (std::size_t r : rows) specs.insert(list_.at(r).item.spec);
  if (specs.size() > 1) {
    QStringList names;
    for (const std::string& s : specs) names << QString::fromStdString(s);
    ShowNotice(this, tr("下料优化"), tr("选中的行有 %1 种规格：%2。\n下料优化一次只排一种规格，请只选同一规格的行。")
                                        .arg(specs.size())
                                        .arg(names.join(tr("、"))));
    return;
  }
  const ListRow& first = list_.at(rows.front());
  const QString spec = QString::fromStdString(first.item.spec);
  if (!first.item.takesLength) {
    ShowNotice(this, tr("下料优化"), tr("%1 的件没有长度，不用下料。").arg(spec));
    return;
  }
  CuttingJob job;
  job.spec = spec;
  job.density = first.density;
  for (std::size_t r : rows) {
    const ListRow& row = list_.at(r);
    const QString label = row.note.empty() ? QString::number(r + 1) : QString::fromStdString(row.note);
    job.pieces.push_back(CuttingPiece{row.lengthMm, static_cast<int>(row.quantity), label});
  }
  if (!services_.openCutting || !services_.openCutting(job)) {
    ShowNotice(this, tr("下料优化"), tr("下料优化窗口现在打不开。"));
  }
}

}  // namespace zelvik::ui
