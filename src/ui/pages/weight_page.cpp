// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/weight_page.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "common/display_text.h"
#include "pages/calc_box.h"
#include "weight/format.h"

namespace zelvik::ui {

namespace {

std::string Text(const QLineEdit* field) { return field ? field->text().toStdString() : std::string(); }

CalcInputs ReadInputs(const CalcControls& calc) {
  CalcInputs in;
  in.type = calc.typeList ? calc.typeList->currentIndex() : 0;
  in.size = calc.sizeList ? calc.sizeList->currentIndex() : 0;
  in.length = Text(calc.length);
  in.width = Text(calc.width);
  in.thickness = Text(calc.thickness);
  in.area = Text(calc.area);
  in.outer = Text(calc.outer);
  in.inner = Text(calc.inner);
  in.wall = Text(calc.wall);
  in.pipeMode = calc.wallMode && calc.wallMode->isChecked() ? 1 : 0;
  return in;
}

// A list chosen as the user chooses it, so that the page refills and recomputes as then.
void ChooseItem(QComboBox* list, int index) {
  if (list == nullptr || index < 0 || index >= list->count()) return;
  list->setCurrentIndex(index);
  emit list->activated(index);
}

}  // namespace

CWeightPage::CWeightPage(PageHost* host, QWidget* parent, int heightDlu)
    : QWidget(parent), host_(host), units_(DialogFont()) {
  // Usually inherited already; setting it anyway would repropagate it to every control.
  if (font() != DialogFont()) setFont(DialogFont());
  setFixedSize(units_.X(WidthDlu()), units_.Y(heightDlu));
}

int CWeightPage::WidthDlu() { return kWidthDlu + 3 * CalcBox::EnglishExtraDlu(); }

void CWeightPage::ShowInputValue(const QLineEdit* field) {
  host_->SetPreview(QString::fromStdString(PreviewValue(field->text().toStdString())));
}

void CWeightPage::PushResult(const CalcControls& calc) {
  const QString text = calc.result->text();
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
  host_->CollectWeight(text);
  emit weighed(Weighing{calc.id, ReadInputs(calc), host_->Settings()});
}

void CWeightPage::RunCalc(const CalcControls& calc) {
  const CalcOutputs out = Compute(calc.id, host_->Settings(), ReadInputs(calc), host_->CustomRows());
  if (out.spec && calc.spec) {
    calc.spec->setText(QString::fromStdString(*out.spec));
  }
  if (out.lengthText && calc.length) SetInputText(calc.length, CoreText(*out.lengthText));
  if (out.unitWeight && calc.unitWeight) calc.unitWeight->setText(QString::fromStdString(*out.unitWeight));
  if (calc.result) calc.result->setText(CoreText(out.weight));
}

void CWeightPage::OnEdit(QLineEdit* field, std::function<void()> handler) {
  editHandlers_.insert(field, handler);
  connect(field, &QLineEdit::textChanged, this, [handler = std::move(handler)] { handler(); });
}

void CWeightPage::OnEditRecompute(QLineEdit* field, const CalcControls& calc) {
  OnEdit(field, [this, field, &calc] {
    RunCalc(calc);
    ShowInputValue(field);
  });
}

void CWeightPage::OnUserSelect(QComboBox* list, std::function<void()> handler) {
  connect(list, &QComboBox::activated, this, [handler = std::move(handler)] { handler(); });
}

void CWeightPage::ConnectPush(const CalcControls& calc) {
  connect(calc.push, &QPushButton::clicked, this, [this, &calc] { PushResult(calc); });
}

void CWeightPage::SetInputText(QLineEdit* field, const QString& text) {
  if (field->text() != text) {
    field->setText(text);  // textChanged runs the handler
    return;
  }
  const auto it = editHandlers_.constFind(field);
  if (it != editHandlers_.constEnd()) (*it)();
}

void CWeightPage::FillList(QComboBox* list, const std::vector<SizeItem>& items) {
  QStringList names;
  names.reserve(static_cast<qsizetype>(items.size()));
  for (const SizeItem& item : items) names.append(CoreText(item.name));
  list->clear();
  list->addItems(names);
  SelectFirst(list);
}

void CWeightPage::FillTypes(QComboBox* list, CalcId id) {
  QStringList names;
  for (const std::string& name : TypeNames(id)) names.append(CoreText(name));
  list->clear();
  list->addItems(names);
  SelectFirst(list);
}

void CWeightPage::FillBuiltIn(QComboBox* list, CalcId id) {
  static const CustomRowSet kNoRows{};
  FillList(list, SizeItems(id, 0, kNoRows));
}

void CWeightPage::AppendCustomRows(const CalcControls& calc) {
  const int kind = GetCalcInfo(calc.id).customKind;
  if (kind < 0 || kind >= kCustomKindCount) return;
  for (const CustomRow& row : host_->CustomRows()[static_cast<size_t>(kind)])
    calc.sizeList->addItem(QString::fromStdString(row.model));
}

QString CWeightPage::Title(CalcId id) { return CoreText(GetCalcInfo(id).title); }

QString CWeightPage::UnitLabel(CalcId id) { return QString::fromUtf8(GetCalcInfo(id).unitLabel); }

void CWeightPage::SelectFirst(QComboBox* list) { list->setCurrentIndex(list->count() > 0 ? 0 : -1); }

bool CWeightPage::ShowSpec(const ParsedSpec& spec) {
  const auto calc = std::find_if(calcs_.begin(), calcs_.end(), [&](const CalcControls& c) { return c.id == spec.calc; });
  if (calc == calcs_.end()) return false;
  ChooseItem(calc->typeList, spec.type);
  ChooseItem(calc->sizeList, spec.size);
  const CalcInputs in = InputsOf(spec, host_->Settings().unitSystem);
  if (calc->wallMode && in.pipeMode == 1 && !calc->wallMode->isChecked()) calc->wallMode->click();
  const std::pair<QLineEdit*, const std::string*> fields[] = {
      {calc->outer, &in.outer},         {calc->wall, &in.wall},   {calc->width, &in.width},
      {calc->thickness, &in.thickness}, {calc->area, &in.area},   {calc->length, &in.length},
  };
  for (const auto& [field, text] : fields) {
    if (field && !text->empty()) SetInputText(field, QString::fromStdString(*text));
  }
  QLineEdit* next = calc->length ? calc->length : calc->area;
  if (next) {
    next->setFocus(Qt::ShortcutFocusReason);
    next->selectAll();
  }
  return true;
}

void CWeightPage::keyPressEvent(QKeyEvent* event) { event->ignore(); }

}  // namespace zelvik::ui
