// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_dlg.h"

#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <set>

#include "common/busy_task.h"
#include "common/core_message.h"
#include "common/display_text.h"
#include "common/message_box.h"
#include "list/current_list_keeper.h"
#include "list/list_fields.h"
#include "list/list_file_actions.h"
#include "list/list_paste.h"
#include "list/list_summary_model.h"
#include "list/list_table_model.h"
#include "pages/weight_page.h"
#include "weight/registry.h"

namespace zelvik::ui {

namespace {

constexpr int kMaxProblemsShown = 20;
constexpr int kMaxSpecsNamed = 8;

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

ListDisplay CListDlg::Display() const {
  ListDisplay d;
  if (!services_.settings) return d;
  const WeightSettings s = services_.settings();
  if (s.decimals >= 0 && s.decimals <= 9) d.decimals = s.decimals;
  if (s.unitSystem >= 0 && s.unitSystem < kUnitSystemCount) d.unitSystem = s.unitSystem;
  return d;
}

double CListDlg::Density() const { return services_.settings ? services_.settings().density : kTableDensity; }

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
      QTimer::singleShot(0, table_, &QTableView::scrollToBottom);  // once the window has its size
      ShowStatus(tr("上次的清单，%1 行").arg(list_.size()));
    }
    return;
  }
  // Never written over: moved aside for the user to look at, or else left alone.
  const auto& problem = std::get<ListFileProblem>(loaded);
  const QString reason = problem.line == 0 ? CoreMessage(problem.reason)
                                           : tr("第 %1 行：%2").arg(problem.line).arg(CoreMessage(problem.reason));
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
  const QString product = CoreText(GetCalcInfo(weighing.calc).title);
  auto row = RowOfWeighing(weighing, services_.customRows, *resolver_);
  if (const auto* why = std::get_if<std::string>(&row)) {
    ShowStatus(tr("没有收集%1：%2").arg(product, CoreMessage(*why)), true);
    return;
  }
  const QString spec = CoreText(std::get<ListRow>(row).item.spec);
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
    entryError_->setText(CoreMessage(*why));
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
    lines << tr("第 %1 行：%2").arg(pasted.problems[i].line).arg(CoreMessage(pasted.problems[i].reason));
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
    for (const std::string& s : specs) {
      if (names.size() == kMaxSpecsNamed) {
        names << QStringLiteral("…");
        break;
      }
      names << CoreText(s);
    }
    ShowNotice(this, tr("下料优化"), tr("选中的行有 %1 种规格：%2。\n下料优化一次只排一种规格，请只选同一规格的行。")
                                        .arg(specs.size())
                                        .arg(names.join(tr("、"))));
    return;
  }
  const ListRow& first = list_.at(rows.front());
  const QString spec = QString::fromStdString(first.item.spec);
  if (!first.item.takesLength) {
    ShowNotice(this, tr("下料优化"), tr("%1 的件没有长度，不用下料。").arg(CoreText(first.item.spec)));
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
