// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calc_box.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "common/language.h"

#include "common/start_in_view.h"
#include "pages/drop_list.h"
#include "pages/weight_page.h"

namespace zelvik::ui {

namespace {

constexpr int kMargin = 5;      // left and right inside the box
constexpr int kFirstRow = 12;   // top of the first row, below the title
constexpr int kBottom = 5;      // below the last row
constexpr int kRowHeight = 13;  // every control of a row
constexpr int kGap = 2;         // between a field and its unit
constexpr int kVisibleItems = 16;

}  // namespace

void MakeReadOnly(QLineEdit* field) {
  field->setReadOnly(true);
  // Read-only fields show the window colour, so the fields to type into stand out.
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  KeepStartInView(field);
}

CalcBox::CalcBox(QWidget* page, const DialogUnits& units, int column, int row, const QString& title)
    : CalcBox(page, units, column, row, title, Layout{}) {}

CalcBox::CalcBox(QWidget* page, const DialogUnits& units, int column, int row, const QString& title, Layout layout)
    : units_(units),
      box_(new QGroupBox(title, page)),
      widthDlu_(kBoxWidth[column] + EnglishExtraDlu()),
      heightDlu_(kBoxHeight[row]),
      rows_(kBoxRows[row]),
      layout_(layout) {
  // English captions and the "Weight" button need a wider label column.
  if (EnglishExtraDlu() > 0) layout_.labelWidth = std::max(layout_.labelWidth, kEnglishLabelWidth);
  box_->setGeometry(units.Rect(kBoxX[column] + column * EnglishExtraDlu(), kBoxY[row], widthDlu_, heightDlu_));
  const QString unit = QString::fromUtf8(layout.widestUnit);
  unitWidth_ = unit.isEmpty() ? 0 : QFontMetrics(page->font()).horizontalAdvance(unit) + 2;
}

int CalcBox::EnglishExtraDlu() { return IsEnglish() ? kEnglishExtra : 0; }

int CalcBox::RowTop() const {
  const int first = units_.Y(kFirstRow);
  const int last = units_.Y(heightDlu_ - kBottom) - units_.Y(kRowHeight);
  return first + static_cast<int>(std::lround(static_cast<double>(row_) * (last - first) / (rows_ - 1)));
}

QLabel* CalcBox::Label(const QString& text, int x, int width) {
  auto* label = new QLabel(text, box_);
  label->setGeometry(x, RowTop(), width, units_.Y(kRowHeight));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QLineEdit* CalcBox::Field(const char* id, bool hasUnit, const QString& unit) {
  const int left = units_.X(kMargin + layout_.labelWidth);
  const int right = units_.X(widthDlu_ - kMargin);
  const int unitX = right - unitWidth_;
  const int fieldRight = unitWidth_ > 0 ? unitX - units_.X(kGap) : right;
  auto* field = new QLineEdit(box_);
  field->setObjectName(QString::fromUtf8(id));
  field->setGeometry(left, RowTop(), fieldRight - left, units_.Y(kRowHeight));
  if (hasUnit && !unit.isEmpty()) Label(unit, unitX, unitWidth_);
  return field;
}

QComboBox* CalcBox::List(const QString& label, const char* id) {
  const int left = units_.X(kMargin + layout_.labelWidth);
  const int right = units_.X(widthDlu_ - kMargin);
  Label(label, units_.X(kMargin), left - units_.X(kMargin));
  auto* list = new CDropList(box_);
  list->setObjectName(QString::fromUtf8(id));
  list->setEditable(false);
  list->setMaxVisibleItems(kVisibleItems);
  list->setGeometry(left, RowTop(), right - left, units_.Y(kRowHeight));
  ++row_;
  return list;
}

QLineEdit* CalcBox::Input(const QString& label, const char* id, const QString& unit) {
  const int labelX = units_.X(kMargin);
  QLabel* caption = Label(label, labelX, units_.X(kMargin + layout_.labelWidth) - labelX);
  QLineEdit* field = Field(id, true, unit);
  caption->setBuddy(field);
  ++row_;
  return field;
}

QLineEdit* CalcBox::UnitWeight(const char* id, const QString& unit) {
  QLineEdit* field = Input(tr("单重:"), id, unit);
  MakeReadOnly(field);
  field->setAlignment(Qt::AlignCenter);
  return field;
}

QLineEdit* CalcBox::ReadOnly(const QString& label, const char* id) {
  const int labelX = units_.X(kMargin);
  const int left = units_.X(kMargin + layout_.labelWidth);
  Label(label, labelX, left - labelX);
  auto* field = new QLineEdit(box_);
  field->setObjectName(QString::fromUtf8(id));
  field->setGeometry(left, RowTop(), units_.X(widthDlu_ - kMargin) - left, units_.Y(kRowHeight));
  field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  MakeReadOnly(field);
  ++row_;
  return field;
}

QLineEdit* CalcBox::RadioInput(QRadioButton** radio, const QString& caption, const char* radioId, const char* id,
                               const QString& unit) {
  auto* button = new QRadioButton(caption, box_);
  button->setObjectName(QString::fromUtf8(radioId));
  button->setGeometry(units_.X(kMargin), RowTop(), units_.X(layout_.labelWidth), units_.Y(kRowHeight));
  *radio = button;
  QLineEdit* field = Field(id, true, unit);
  ++row_;
  return field;
}

void CalcBox::Result(const char* buttonId, const char* resultId, CalcControls& calc) {
  row_ = rows_ - 1;
  const int left = units_.X(kMargin);
  const int fieldLeft = units_.X(kMargin + layout_.labelWidth);
  const int right = units_.X(widthDlu_ - kMargin);
  auto* push = new QPushButton(tr("重量"), box_);
  push->setObjectName(QString::fromUtf8(buttonId));
  push->setToolTip(tr("点击复制右侧重量值"));
  // Enter belongs to the main window's default button, also while this button has the focus.
  push->setAutoDefault(false);
  push->setGeometry(left, RowTop(), fieldLeft - left - units_.X(kGap), units_.Y(kRowHeight));
  auto* result = new QLineEdit(box_);
  result->setObjectName(QString::fromUtf8(resultId));
  MakeReadOnly(result);
  result->setGeometry(fieldLeft, RowTop(), right - fieldLeft, units_.Y(kRowHeight));
  calc.push = push;
  calc.result = result;
}

}  // namespace zelvik::ui
