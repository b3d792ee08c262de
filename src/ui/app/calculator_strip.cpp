// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculator_strip.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>

#include "platform/desktop_calculator.h"
#include "weight/strip.h"

namespace zelvik::ui {

CalculatorStrip::CalculatorStrip(const Controls& controls, const WeightSettings* settings, QObject* parent)
    : QObject(parent), c_(controls), settings_(settings) {
  c_.collect->setChecked(true);
  // An explicit group: auto-exclusivity would reach the pages' radio buttons too, which
  // are also descendants of the main window.
  auto* sign = new QButtonGroup(this);
  sign->addButton(c_.add, kStripAdd);
  sign->addButton(c_.subtract, kStripSubtract);
  c_.add->setChecked(true);
  connect(c_.collect, &QCheckBox::clicked, this, &CalculatorStrip::RefreshFromControls);
  connect(c_.expression, &QLineEdit::textChanged, this, &CalculatorStrip::OnExpressionChanged);
  connect(c_.copy, &QPushButton::clicked, this, &CalculatorStrip::CopyResult);
  connect(c_.calculator, &QAbstractButton::clicked, this, &CalculatorStrip::StartCalculator);
}

void CalculatorStrip::OnExpressionChanged(const QString& text) {
  expression_ = text;
  Recompute();
}

void CalculatorStrip::Recompute() {
  c_.result->setText(QString::fromStdString(StripResult(expression_.toStdString(), settings_->decimals)));
}

void CalculatorStrip::RefreshFromControls() {
  collect_ = c_.collect->isChecked();
  signMode_ = c_.subtract->isChecked() ? kStripSubtract : kStripAdd;
}

void CalculatorStrip::Collect(const QString& resultText) {
  if (!collect_) return;
  RefreshFromControls();
  const std::string next = PushResult(expression_.toStdString(), resultText.toStdString(), signMode_);
  c_.expression->setText(QString::fromStdString(next));
}

void CalculatorStrip::SetPreview(const QString& text) { c_.preview->setText(text); }

void CalculatorStrip::CopyResult() {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(c_.result->text());
}

void CalculatorStrip::StartCalculator() {
  const char* path = std::getenv("PATH");
  const auto calculator = FindDesktopCalculator(path != nullptr ? path : "");
  if (!calculator) return;
  QProcess::startDetached(QFile::decodeName(calculator->c_str()), {});
}

}  // namespace zelvik::ui
