// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/cutting_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "common/dialog_units.h"
#include "common/display_text.h"
#include "common/message_box.h"
#include "cut_print.h"
#include "cutting/cut_input.h"
#include "cutting/cut_messages.h"
#include "cutting/cut_runner.h"
#include "cutting/entry_table.h"
#include "cutting/plan_view.h"
#include "pages/page_host.h"
#include "spec/spec_parse.h"

namespace zelvik::ui {

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressTickMs = 100;
constexpr double kDefaultDensity = 7.85;
constexpr QColor kProblemColour(0xb0, 0x1c, 0x1c);
constexpr QColor kOptimalColour(0x1b, 0x7a, 0x1b);
constexpr QColor kGapColour(0xa8, 0x55, 0x00);

QDoubleSpinBox* NumberBox(QWidget* parent, const char* name, double most, int decimals, double value,
                          const QString& suffix) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(0, most);
  box->setDecimals(decimals);
  box->setValue(value);
  box->setSuffix(suffix);
  box->setAccelerated(true);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QString Coloured(const QString& text, const QColor& colour, bool bold) {
  const QString escaped = text.toHtmlEscaped();
  return QStringLiteral("<span style=\"color:%1\">%2</span>")
      .arg(colour.name(), bold ? QStringLiteral("<b>%1</b>").arg(escaped) : escaped);
}

}  // namespace

CCuttingDlg::CCuttingDlg(QWidget* owner, const PageHost* host) : CToolWindow(owner, tr("下料优化")), host_(host) {
  runner_ = new CutRunner(this);
  connect(runner_, &CutRunner::progressed, this, &CCuttingDlg::OnProgress);
  connect(runner_, &CutRunner::finished, this, &CCuttingDlg::OnFinished);
  connect(runner_, &CutRunner::failed, this, &CCuttingDlg::OnFailed);

  // The optimiser reports when its plan or bound improves; the bar moves with the clock.
  tick_ = new QTimer(this);
  tick_->setInterval(kProgressTickMs);
  connect(tick_, &QTimer::timeout, this, [this] {
    const double share = static_cast<double>(clock_.elapsed()) / static_cast<double>(limitMs_);
    progress_->setValue(std::max(progress_->value(), static_cast<int>(std::min(share, 1.0) * kProgressSteps)));
  });

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildInputs());
  layout->addWidget(BuildPlan(), 1);

  // Ctrl+C copies the plan wherever the focus is but in a field or table, which copy their own.
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &CCuttingDlg::CopyPlan);

  const DialogUnits du(font());
  resize(du.X(600), du.Y(390));
  SetRunning(false);
  ShowSpecReading();
  ShowPlan(nullptr);
  view_->SetHint(tr("填好零件和原料，按“计算”。"));
}

CCuttingDlg::~CCuttingDlg() = default;

// The window opens beside the main window; on a small screen it gives up width and height
// rather than reach past the screen's edge.
void CCuttingDlg::showEvent(QShowEvent* event) {
  if (!fitted_ && screen() != nullptr) {
    fitted_ = true;
    const QRect room = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize decorations = frame.size() - size();
    const QSize least = minimumSizeHint();
    const int w = std::max(least.width(), std::min(width(), room.right() + 1 - frame.left() - decorations.width()));
    const int h = std::max(least.height(), std::min(height(), room.bottom() + 1 - frame.top() - decorations.height()));
    resize(w, h);
  }
  CToolWindow::showEvent(event);
}

QWidget* CCuttingDlg::BuildInputs() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  const DialogUnits du(font());

  auto* specRow = new QHBoxLayout;
  auto* specLabel = new QLabel(tr("规格："), panel);
  spec_ = new QLineEdit(panel);
  spec_->setObjectName(QStringLiteral("specText"));
  spec_->setPlaceholderText(tr("可不填，如 L50×5"));
  spec_->setClearButtonEnabled(true);
  specLabel->setBuddy(spec_);
  specRow->addWidget(specLabel);
  specRow->addWidget(spec_, 1);
  column->addLayout(specRow);
  specNote_ = new QLabel(panel);
  specNote_->setObjectName(QStringLiteral("specReading"));
  specNote_->setWordWrap(true);
  column->addWidget(specNote_);
  connect(spec_, &QLineEdit::textChanged, this, &CCuttingDlg::ShowSpecReading);

  column->addWidget(Heading(tr("零件"), panel));
  pieces_ = new CEntryTable({tr("长度(mm)"), tr("数量"), tr("标签")}, panel);
  pieces_->setObjectName(QStringLiteral("pieces"));
  pieces_->SetPasteReader(&CutInput::PastedPieces);
  pieces_->setToolTip(tr("可从电子表格复制“长度、数量、标签”三列，按 Ctrl+V 粘贴"));
  pieces_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  pieces_->setColumnWidth(0, du.X(42));
  pieces_->setColumnWidth(1, du.X(30));
  column->addWidget(pieces_, 3);
  auto* pieceButtons = new QHBoxLayout;
  QPushButton* addPiece = Button(tr("添加行"), "addPiece", panel);
  QPushButton* deletePiece = Button(tr("删除行"), "deletePiece", panel);
  QPushButton* pastePieces = Button(tr("粘贴"), "pastePieces", panel);
  for (QPushButton* b : {addPiece, deletePiece, pastePieces}) pieceButtons->addWidget(b);
  pieceButtons->addStretch();
  column->addLayout(pieceButtons);
  connect(addPiece, &QPushButton::clicked, pieces_, &CEntryTable::AddRow);
  connect(deletePiece, &QPushButton::clicked, pieces_, &CEntryTable::DeleteSelectedRows);
  connect(pastePieces, &QPushButton::clicked, pieces_, &CEntryTable::Paste);
  connect(pieces_, &CEntryTable::pasteRefused, this, [this](const QString& why) { ShowStatus(why, true); });

  column->addWidget(Heading(tr("原料"), panel));
  stocks_ = new CEntryTable({tr("长度(mm)"), tr("根数"), tr("单价(元/根)")}, panel);
  stocks_->setObjectName(QStringLiteral("stocks"));
  stocks_->setToolTip(tr("根数不限时留空；单价要么都填，要么都不填"));
  stocks_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  stocks_->setColumnWidth(0, du.X(42));
  stocks_->setColumnWidth(1, du.X(30));
  stocks_->SetRows({{QStringLiteral("6000"), QString(), QString()}});
  stocks_->setMinimumHeight(stocks_->horizontalHeader()->sizeHint().height() +
                            4 * stocks_->verticalHeader()->defaultSectionSize() + 2 * stocks_->frameWidth());
  column->addWidget(stocks_, 1);
  auto* stockButtons = new QHBoxLayout;
  QPushButton* addStock = Button(tr("添加行"), "addStock", panel);
  QPushButton* deleteStock = Button(tr("删除行"), "deleteStock", panel);
  stockButtons->addWidget(addStock);
  stockButtons->addWidget(deleteStock);
  stockButtons->addStretch();
  column->addLayout(stockButtons);
  connect(addStock, &QPushButton::clicked, stocks_, &CEntryTable::AddRow);
  connect(deleteStock, &QPushButton::clicked, stocks_, &CEntryTable::DeleteSelectedRows);

  auto* form = new QFormLayout;
  const QString mm = tr(" mm");
  kerf_ = NumberBox(panel, "kerf", 100, 1, 3, mm);
  trim_ = NumberBox(panel, "trim", 1000, 1, 0, mm);
  keep_ = NumberBox(panel, "keepMin", 100000, 0, 0, mm);
  keep_->setSpecialValueText(tr("不保留"));
  keep_->setSingleStep(100);
  limit_ = NumberBox(panel, "timeLimit", 600, 1, 2, tr(" 秒"));
  limit_->setMinimum(0.1);
  for (QDoubleSpinBox* box : {kerf_, trim_, keep_, limit_}) box->setMaximumWidth(du.X(72));
  form->addRow(tr("锯缝："), kerf_);
  form->addRow(tr("端头切除："), trim_);
  form->addRow(tr("余料保留 ≥"), keep_);
  form->addRow(tr("计算时限："), limit_);
  trim_->setToolTip(tr("每根原料两端各切去的长度，含锯缝"));
  keep_->setToolTip(tr("不短于此长度的余料留作后用，不算废料"));
  column->addLayout(form);

  auto* run = new QHBoxLayout;
  compute_ = Button(tr("计算"), "compute", panel);
  stop_ = Button(tr("停止"), "stop", panel);
  run->addWidget(compute_, 1);
  run->addWidget(stop_, 1);
  column->addLayout(run);
  connect(compute_, &QPushButton::clicked, this, &CCuttingDlg::Compute);
  connect(stop_, &QPushButton::clicked, this, &CCuttingDlg::Stop);
  progress_ = new QProgressBar(panel);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setRange(0, kProgressSteps);
  progress_->setTextVisible(false);
  column->addWidget(progress_);
  status_ = new QLabel(panel);
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 3);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Messages wrap within the panel rather than widen it while the optimiser reports.
  for (QLabel* label : {specNote_, status_}) label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  column->addWidget(status_);

  // As narrow as the fields allow, wider where a translation's labels need it.
  panel->setMinimumWidth(du.X(165));
  panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  return panel;
}

QWidget* CCuttingDlg::BuildPlan() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  summary_ = new QLabel(panel);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextFormat(Qt::RichText);
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 4);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  column->addWidget(summary_);

  scroll_ = new QScrollArea(panel);
  view_ = new CPlanView(scroll_);
  view_->setObjectName(QStringLiteral("planView"));
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(true);
  scroll_->setBackgroundRole(QPalette::Base);
  column->addWidget(scroll_, 1);

  auto* buttons = new QHBoxLayout;
  copy_ = Button(tr("复制"), "copyPlan", panel);
  copy_->setToolTip(tr("把方案以制表符分隔的文字复制到剪贴板 (Ctrl+C)"));
  print_ = Button(tr("打印…"), "printPlan", panel);
  pdf_ = Button(tr("导出 PDF…"), "pdfPlan", panel);
  buttons->addStretch();
  for (QPushButton* b : {copy_, print_, pdf_}) buttons->addWidget(b);
  column->addLayout(buttons);
  connect(copy_, &QPushButton::clicked, this, &CCuttingDlg::CopyPlan);
  connect(print_, &QPushButton::clicked, this, &CCuttingDlg::PrintPlan);
  connect(pdf_, &QPushButton::clicked, this, &CCuttingDlg::ExportPdf);
  return panel;
}

double CCuttingDlg::Density() const {
  if (jobDensity_) return *jobDensity_;
  return host_ != nullptr ? host_->Settings().density : kDefaultDensity;
}

bool CCuttingDlg::ReadSpec(QString* canonical, double* unitWeight) const {
  *canonical = QString();
  *unitWeight = 0;
  const QString text = spec_->text().trimmed();
  if (text.isEmpty()) return true;
  const CustomRowSet none;
  const auto read = ParseSpec(text.toStdString(), host_ != nullptr ? host_->CustomRows() : none);
  const auto* spec = std::get_if<ParsedSpec>(&read);
  if (spec == nullptr || !TakesLength(*spec) || LengthIsArea(*spec)) return false;
  *canonical = QString::fromStdString(spec->canonical);
  *unitWeight = PieceWeightKg(*spec, 1000, Density(), host_ != nullptr ? host_->CustomRows() : none);
  return true;
}

// What the spec field means, said as it is typed; the tables are indexed on its first use.
void CCuttingDlg::ShowSpecReading() {
  const QString text = spec_->text().trimmed();
  if (text.isEmpty()) {
    specNote_->setText(tr("填写规格后可算出原料的重量。"));
    specNote_->setStyleSheet(QString());
    return;
  }
  QString canonical;
  double unitWeight = 0;
  if (ReadSpec(&canonical, &unitWeight)) {
    specNote_->setText(tr("%1　%2 kg/m").arg(CoreText(canonical.toStdString())).arg(unitWeight, 0, 'f', 3));
    specNote_->setStyleSheet(QString());
    return;
  }
  const auto read = ParseSpec(text.toStdString(), host_ != nullptr ? host_->CustomRows() : CustomRowSet{});
  QString why;
  if (const auto* spec = std::get_if<ParsedSpec>(&read)) {
    why = tr("%1 不是按长度下料的型材").arg(CoreText(spec->canonical));
  } else {
    const SpecError& error = std::get<SpecError>(read);
    switch (error.kind) {
      case SpecErrorKind::kEmpty:
      case SpecErrorKind::kUnreadable: why = tr("看不懂这个规格"); break;
      case SpecErrorKind::kNoSuchSize: why = tr("没有这个规格"); break;
      case SpecErrorKind::kAmbiguous: why = tr("不止一种规格"); break;
      case SpecErrorKind::kBadDimensions: why = tr("尺寸不对"); break;
    }
    if (!error.candidates.empty()) {
      why += tr("，相近的有：%1").arg(CoreText(error.candidates.front()));
    }
  }
  specNote_->setText(why);
  specNote_->setStyleSheet(QStringLiteral("color: %1").arg(kProblemColour.name()));
}

void CCuttingDlg::LoadJob(const CuttingJob& job) {
  jobDensity_ = job.density;
  spec_->setText(job.spec);
  QList<QStringList> rows;
  for (const CuttingPiece& p : job.pieces) {
    rows << QStringList{print::CutTexts::Mm(p.lengthMm), QString::number(p.quantity), p.label};
  }
  pieces_->SetRows(rows);
  Compute();
}

void CCuttingDlg::Compute() {
  auto sheet = std::make_shared<print::CutSheet>();
  double unitWeight = 0;
  if (!ReadSpec(&sheet->spec, &unitWeight)) {
    ShowStatus(tr("规格有误：%1").arg(specNote_->text()), true);
    spec_->setFocus();
    return;
  }
  if (!sheet->spec.isEmpty()) sheet->spec = print::CutTexts::SpecText(CoreText(sheet->spec.toStdString()), unitWeight);
  const auto problemAt = [this](CEntryTable* table, const CellProblem& problem) {
    ShowStatus(problem.message, true);
    table->setFocus();
    table->setCurrentCell(problem.row, problem.column);
  };
  auto pieces = CutInput::ReadPieces(pieces_->Rows());
  if (const auto* problem = std::get_if<CellProblem>(&pieces)) return problemAt(pieces_, *problem);
  auto stocks = CutInput::ReadStocks(stocks_->Rows());
  if (const auto* problem = std::get_if<CellProblem>(&stocks)) return problemAt(stocks_, *problem);

  cutting::CutRequest& request = sheet->request;
  PieceRows& read = std::get<PieceRows>(pieces);
  request.pieces = std::move(read.pieces);
  pendingRows_ = std::move(read.rows);
  request.stocks = std::get<std::vector<cutting::Stock>>(std::move(stocks));
  request.kerf = kerf_->value();
  request.trim = trim_->value();
  request.keepMin = keep_->value();
  request.unitWeight = unitWeight;
  pending_ = sheet;

  ShowPlan(nullptr);
  view_->SetHint(tr("计算中…"));
  progress_->setValue(0);
  ShowStatus(CutMessages::Stage(cutting::CutStage::Start), false);
  SetRunning(true);
  clock_.start();
  limitMs_ = std::max<long long>(1, std::llround(limit_->value() * 1000));
  runner_->Start(request, std::chrono::milliseconds(limitMs_));
}

void CCuttingDlg::Stop() {
  if (!runner_->running()) return;
  runner_->Stop();
  stop_->setEnabled(false);
  ShowStatus(tr("正在停止…"), false);
}

bool CCuttingDlg::computing() const { return runner_->running(); }

int CCuttingDlg::patternCount() const { return view_->patternCount(); }

void CCuttingDlg::OnProgress(const cutting::CutProgress& progress) {
  progress_->setValue(std::max(progress_->value(), static_cast<int>(progress.fraction * kProgressSteps)));
  const auto& stocks = pending_->request.stocks;
  const bool priced = !stocks.empty() && stocks.front().price.has_value();
  ShowStatus(CutMessages::Progress(progress, priced, stocks.size() == 1, stocks.empty() ? 0 : stocks.front().length),
             false);
}

void CCuttingDlg::OnFinished(const cutting::CutPlan& plan) {
  pending_->plan = plan;
  const bool stopped = runner_->stopRequested();
  ShowPlan(std::move(pending_));
  SetRunning(false);
  progress_->setValue(kProgressSteps);
  const QString took = tr("用时 %1 秒。").arg(static_cast<double>(clock_.nsecsElapsed()) / 1e9, 0, 'f', 3);
  if (!plan.stopped) {
    ShowStatus(took, false);
  } else {
    ShowStatus(took + (stopped ? tr("已停止，显示目前最好的方案。") : tr("已到时限，显示目前最好的方案。")), false);
  }
}

void CCuttingDlg::OnFailed(cutting::CutErrorKind kind, int index, const QString& detail) {
  SetRunning(false);
  progress_->setValue(0);
  const int row = index >= 0 && index < static_cast<int>(pendingRows_.size()) ? pendingRows_[index] + 1 : 0;
  QString text = CutMessages::Error(kind, row);
  if (!detail.isEmpty()) text += QLatin1Char(' ') + detail;
  ShowStatus(text, true);
  view_->SetHint(text);
  pending_.reset();
}

void CCuttingDlg::ShowPlan(std::shared_ptr<const print::CutSheet> sheet) {
  sheet_ = std::move(sheet);
  view_->SetSheet(sheet_);
  for (QPushButton* b : {copy_, print_, pdf_}) b->setEnabled(sheet_ != nullptr);
  if (!sheet_) {
    summary_->clear();
    return;
  }
  const cutting::CutPlan& plan = sheet_->plan;
  QStringList lines;
  lines << QStringLiteral("<b>%1</b>").arg(print::CutTexts::BuyLine(plan).toHtmlEscaped());
  lines << print::CutTexts::UseLine(plan).toHtmlEscaped();
  if (const QString weight = print::CutTexts::WeightLine(plan); !weight.isEmpty()) lines << weight.toHtmlEscaped();
  lines << Coloured(print::CutTexts::BoundLine(plan, sheet_->request), plan.optimal ? kOptimalColour : kGapColour,
                    true);
  summary_->setText(lines.join(QStringLiteral("<br>")));
}

void CCuttingDlg::ShowStatus(const QString& text, bool problem) {
  status_->setText(text);
  status_->setStyleSheet(problem ? QStringLiteral("color: %1").arg(kProblemColour.name()) : QString());
}

void CCuttingDlg::SetRunning(bool running) {
  if (running) {
    tick_->start();
  } else {
    tick_->stop();
  }
  compute_->setEnabled(!running);
  stop_->setEnabled(running);
  compute_->setDefault(!running);
}

void CCuttingDlg::CopyPlan() const {
  if (sheet_) QApplication::clipboard()->setText(print::CutTexts::PlanText(*sheet_));
}

void CCuttingDlg::PrintPlan() {
  if (!sheet_) return;
  QPrinter printer(QPrinter::HighResolution);
  print::SetUpPage(printer);
  printer.setDocName(print::CutTexts::Title());
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("打印下料方案"));
  if (dialog.exec() != QDialog::Accepted) return;
  const auto sheet = sheet_;  // the plan may be replaced while the dialog was open; this one prints
  if (print::CutPrintDocument(*sheet, QDate::currentDate().toString(Qt::ISODate)).Print(printer) == 0) {
    ShowNotice(this, tr("下料优化"), tr("无法打印。"));
  }
}

void CCuttingDlg::ExportPdf() {
  if (!sheet_) return;
  if (pdfFolder_.isEmpty()) {
    pdfFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(pdfFolder_).exists()) pdfFolder_ = QDir::homePath();
  }
  QString path = QFileDialog::getSaveFileName(this, tr("导出 PDF"),
                                              QDir(pdfFolder_).filePath(print::CutTexts::Title() + QStringLiteral(".pdf")),
                                              tr("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  pdfFolder_ = QFileInfo(path).absolutePath();
  if (const auto failed = WritePdf(path)) ShowNotice(this, tr("下料优化"), *failed);
}

std::optional<QString> CCuttingDlg::WritePdf(const QString& path) const {
  if (!sheet_) return tr("还没有下料方案。");
  return print::WriteCutPdf(*sheet_, QDate::currentDate().toString(Qt::ISODate), path);
}

}  // namespace zelvik::ui
