// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include "weight/settings.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelvik::ui {

// The one-line calculator under the pages: its expression is evaluated on every change,
// and while collecting it adds up (or subtracts) the weights of the "重量" buttons.
class CalculatorStrip : public QObject {
  Q_OBJECT

 public:
  struct Controls {
    QCheckBox* collect;         // 1119
    QLineEdit* expression;      // 1047
    QRadioButton* add;          // 1048
    QRadioButton* subtract;     // 1049
    QPushButton* copy;          // 1101
    QLineEdit* result;          // 1053
    QAbstractButton* calculator;  // 1118
    QLabel* preview;            // 1164
  };

  CalculatorStrip(const Controls& controls, const WeightSettings* settings, QObject* parent);

  // The result field from the current expression and decimal places.
  void Recompute();

  // Reads the collect switch and the sign mode from their controls.
  void RefreshFromControls();

  // The strip's part of a "重量" click: with collect on, the shown result joins the
  // expression with the chosen sign (or replaces an empty or "0" expression).
  void Collect(const QString& resultText);

  void SetPreview(const QString& text);

  bool collect() const { return collect_; }
  int signMode() const { return signMode_; }
  const QString& expression() const { return expression_; }

 private:
  void OnExpressionChanged(const QString& text);
  void CopyResult();
  void StartCalculator();

  Controls c_;
  const WeightSettings* settings_;
  QString expression_;
  bool collect_ = true;
  int signMode_ = 0;
};

}  // namespace zelvik::ui
