// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include "common/dialog_units.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zelvik::ui {

struct CalcControls;

// Places one calculator's group box on a page: two rows of three boxes, and inside a box
// rows of equal height running top to bottom, with a label column, an input column and a
// unit column. The "重量" button and the result share the box's last row, so the results
// of boxes side by side line up. Geometry is in dialog units; the unit column is as wide
// as its widest text.
class CalcBox {
  Q_DECLARE_TR_FUNCTIONS(CalcBox)

 public:
  struct Layout {
    int labelWidth = 22;          // label column, dialog units
    const char* widestUnit = "";  // sizes the unit column ("" for none)
  };

  // column 0 to 2 (left to right), row 0 (top) or 1 (bottom).
  CalcBox(QWidget* page, const DialogUnits& units, int column, int row, const QString& title, Layout layout);
  CalcBox(QWidget* page, const DialogUnits& units, int column, int row, const QString& title);

  QGroupBox* box() const { return box_; }

  // A drop-down size or type list (unsorted, no typing).
  QComboBox* List(const QString& label, const char* id);
  // An input field read as an expression.
  QLineEdit* Input(const QString& label, const char* id, const QString& unit = {});
  // "单重:": a centred read-only field.
  QLineEdit* UnitWeight(const char* id, const QString& unit);
  // A read-only text field ("规格:") across the whole row, unit column included: spec texts
  // are the longest a page shows, and a cut one reads as another size.
  QLineEdit* ReadOnly(const QString& label, const char* id);
  // A mode radio button in the label column and its input field.
  QLineEdit* RadioInput(QRadioButton** radio, const QString& caption, const char* radioId, const char* id,
                        const QString& unit);
  // The last row: the "重量" button left of the read-only result.
  void Result(const char* buttonId, const char* resultId, CalcControls& calc);

  // Dialog-unit geometry of the page's group boxes (in Chinese; English widens each box and
  // its label column by EnglishExtraDlu()).
  static constexpr int kBoxX[3] = {2, 94, 187};
  static constexpr int kBoxWidth[3] = {90, 91, 101};
  static constexpr int kBoxY[2] = {1, 83};
  static constexpr int kBoxHeight[2] = {79, 90};
  static constexpr int kBoxRows[2] = {4, 5};
  // English: the label column takes the captions and the "Weight" button, the rest of the
  // extra width goes to the lists, whose type names are longer.
  static constexpr int kEnglishLabelWidth = 31;
  static constexpr int kEnglishExtra = 15;
  // What each box, and so each column of boxes, gains in English: 0 in Chinese.
  static int EnglishExtraDlu();

 private:
  int RowTop() const;
  QLabel* Label(const QString& text, int x, int width);
  QLineEdit* Field(const char* id, bool hasUnit, const QString& unit);

  const DialogUnits& units_;
  QGroupBox* box_;
  int widthDlu_;
  int heightDlu_;
  int rows_;
  int row_ = 0;
  Layout layout_;
  int unitWidth_;  // pixels
};

// A read-only field as the pages show it (results, unit weights, specs).
void MakeReadOnly(QLineEdit* field);

}  // namespace zelvik::ui
