// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/spec_entry_dlg.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "common/dialog_units.h"
#include "common/display_text.h"
#include "common/language.h"
#include "pages/spec_target.h"
#include "weight/registry.h"

namespace zelvik::ui {

namespace {

constexpr int kTextWidthDlu = 150;

// What the core says is wrong with a spec's dimensions, after "尺寸不对：".
[[maybe_unused]] const char* const kDimensionProblems[] = {
    QT_TRANSLATE_NOOP("zelvik::ui::CSpecEntryDlg", "壁厚为0"),
    QT_TRANSLATE_NOOP("zelvik::ui::CSpecEntryDlg", "壁厚大于外径的一半"),
    QT_TRANSLATE_NOOP("zelvik::ui::CSpecEntryDlg", "外径为0"),
    QT_TRANSLATE_NOOP("zelvik::ui::CSpecEntryDlg", "尺寸为0"),
};

}  // namespace

CSpecEntryDlg::CSpecEntryDlg(QWidget* mainWindow, QTabWidget* tabs, PageAt pageAt, const CustomRowSet* rows)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow),
      tabs_(tabs),
      pageAt_(std::move(pageAt)),
      rows_(rows) {
  setWindowTitle(tr("规格"));
  setObjectName(QStringLiteral("specEntry"));
  const DialogUnits du(font());

  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(tr("规格:"), this);
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("specText"));
  text_->setMinimumWidth(du.X(kTextWidthDlu));
  text_->setPlaceholderText(tr("如 L50×5、[20a、Φ108×4、-10×1500×6000、M20"));
  // The English examples read whole; the Chinese field keeps its width.
  if (IsEnglish()) {
    const int examples = text_->fontMetrics().horizontalAdvance(text_->placeholderText()) + du.X(8);
    text_->setMinimumWidth(std::max(du.X(kTextWidthDlu), examples));
  }
  label->setBuddy(text_);
  row->addWidget(label);
  row->addWidget(text_);
  layout->addLayout(row);

  reading_ = new QLabel(this);
  reading_->setObjectName(QStringLiteral("specReading"));
  reading_->setWordWrap(true);
  layout->addWidget(reading_);

  candidates_ = new QListWidget(this);
  candidates_->setObjectName(QStringLiteral("specCandidates"));
  candidates_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  candidates_->hide();
  layout->addWidget(candidates_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* go = buttons->addButton(tr("转到"), QDialogButtonBox::AcceptRole);
  go->setDefault(true);
  buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(text_, &QLineEdit::textChanged, this, &CSpecEntryDlg::ShowReading);
  connect(buttons, &QDialogButtonBox::accepted, this, &CSpecEntryDlg::Apply);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  connect(candidates_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Choose(item->data(Qt::UserRole).toString()); });
  connect(candidates_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Choose(item->data(Qt::UserRole).toString()); });
  ShowReading();
}

QAction* CSpecEntryDlg::Install(QWidget* mainWindow, QMenu* toolMenu, QTabWidget* tabs, PageAt pageAt,
                                const CustomRowSet* rows) {
  auto* dlg = new CSpecEntryDlg(mainWindow, tabs, std::move(pageAt), rows);
  auto* command = new QAction(tr("规格…"), mainWindow);
  command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  command->setShortcutContext(Qt::WindowShortcut);
  mainWindow->addAction(command);
  const QList<QAction*> entries = toolMenu->actions();
  toolMenu->insertAction(entries.isEmpty() ? nullptr : entries.first(), command);
  connect(command, &QAction::triggered, dlg, &CSpecEntryDlg::Open);
  return command;
}

void CSpecEntryDlg::Open() {
  show();
  raise();
  activateWindow();
  text_->setFocus(Qt::ShortcutFocusReason);
  text_->selectAll();
}

// What the text means, said as it is typed.
void CSpecEntryDlg::ShowReading() {
  candidates_->clear();
  if (text_->text().trimmed().isEmpty()) {  // the tables are indexed on first use, not at start
    reading_->setText(tr("输入规格，回车转到它的计算器"));
    candidates_->hide();
    return;
  }
  const auto read = ParseSpec(text_->text().toStdString(), *rows_);
  if (const auto* spec = std::get_if<ParsedSpec>(&read)) {
    reading_->setText(CoreText(GetCalcInfo(spec->calc).title) + QLatin1Char(' ') + CoreText(spec->canonical));
    candidates_->hide();
    return;
  }
  const SpecError& error = std::get<SpecError>(read);
  QString text;
  switch (error.kind) {
    case SpecErrorKind::kEmpty:
    case SpecErrorKind::kUnreadable: text = tr("看不懂这个规格"); break;
    case SpecErrorKind::kNoSuchSize:
      text = error.candidates.empty() ? tr("没有这个规格") : tr("没有这个规格，相近的有：");
      break;
    case SpecErrorKind::kAmbiguous: text = tr("不止一种规格，请选一个："); break;
    case SpecErrorKind::kBadDimensions: {
      const QString message = QString::fromStdString(error.message);
      text = tr("尺寸不对：%1").arg(tr(message.section(QStringLiteral("："), 1).toUtf8().constData()));
      break;
    }
  }
  reading_->setText(text);
  // Shown in the interface's language; chosen, a candidate is read as the core wrote it.
  for (const std::string& candidate : error.candidates) {
    auto* item = new QListWidgetItem(CoreText(candidate), candidates_);
    item->setData(Qt::UserRole, QString::fromStdString(candidate));
  }
  if (candidates_->count() > 0) {  // all of them, no scrolling
    candidates_->setFixedHeight(candidates_->sizeHintForRow(0) * candidates_->count() + 2 * candidates_->frameWidth());
  }
  candidates_->setVisible(candidates_->count() > 0);
}

void CSpecEntryDlg::Apply() {
  const auto read = ParseSpec(text_->text().toStdString(), *rows_);
  const auto* spec = std::get_if<ParsedSpec>(&read);
  if (spec == nullptr) {
    text_->setFocus();
    text_->selectAll();
    return;
  }
  const auto page = static_cast<size_t>(GetCalcInfo(spec->calc).page);
  SpecTarget* target = pageAt_(page);
  if (target == nullptr) return;
  hide();
  tabs_->setCurrentIndex(static_cast<int>(page));
  mainWindow_->activateWindow();
  target->ShowSpec(*spec);
}

void CSpecEntryDlg::Choose(const QString& text) {
  text_->setText(text);
  Apply();
}

}  // namespace zelvik::ui
