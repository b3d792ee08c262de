// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QWidget>
#include <functional>
#include <span>
#include <vector>

#include "common/dialog_units.h"
#include "list/weighed_row.h"
#include "pages/page_host.h"
#include "pages/spec_target.h"
#include "weight/calculators.h"
#include "weight/size_lists.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zelvik::ui {

// The controls one calculator reads and writes; absent ones stay null.
struct CalcControls {
  CalcId id{};
  QComboBox* typeList = nullptr;
  QComboBox* sizeList = nullptr;
  QLineEdit* length = nullptr;
  QLineEdit* width = nullptr;
  QLineEdit* thickness = nullptr;
  QLineEdit* area = nullptr;
  QLineEdit* outer = nullptr;
  QLineEdit* inner = nullptr;
  QLineEdit* wall = nullptr;
  QAbstractButton* wallMode = nullptr;  // checked: the pipe is given by its wall thickness
  QLineEdit* unitWeight = nullptr;
  QLineEdit* spec = nullptr;
  QLineEdit* result = nullptr;
  QPushButton* push = nullptr;  // the "重量" button beside the result
};

// Behaviour common to the three weight pages: a child of the main window's tab control
// holding six calculators in two rows of three group boxes.
class CWeightPage : public QWidget, public SpecTarget {
  Q_OBJECT

 public:
  // heightDlu: the page's height in dialog units (the width is the same for all pages).
  CWeightPage(PageHost* host, QWidget* parent, int heightDlu);

  // The page's six compute operations, in their fixed order.
  virtual void RecomputeAll() = 0;

  // First item of every size list, input fields emptied or given their defaults, then
  // the six compute operations; modes and user-defined rows stay.
  virtual void ResetPage() = 0;

  bool ShowSpec(const ParsedSpec& spec) override;

  static constexpr int kWidthDlu = 289;
  // The width in the interface's language: English boxes are wider.
  static int WidthDlu();

 signals:
  // After every "重量" click, once the strip has had the result: what was weighed.
  void weighed(const zelvik::Weighing& weighing);

 protected:
  // Shows the evaluated text of an edited field in the main window's value preview.
  void ShowInputValue(const QLineEdit* field);

  // Behind every "重量" button: copy the result text, hand it to the strip, then tell
  // whoever listens (the materials list) what was weighed.
  void PushResult(const CalcControls& calc);

  // Reads the calculator's controls, computes, writes its read-only fields (and the
  // length field, when the calculator rewrites it).
  void RunCalc(const CalcControls& calc);

  // An edit of the field (typed or set by the program) runs the handler.
  void OnEdit(QLineEdit* field, std::function<void()> handler);
  // The usual edit handler: the calculator, then the value preview for that field.
  void OnEditRecompute(QLineEdit* field, const CalcControls& calc);
  // Only a selection made by the user runs the handler, never one made by the program.
  void OnUserSelect(QComboBox* list, std::function<void()> handler);
  // The "重量" button pushes the calculator's result.
  void ConnectPush(const CalcControls& calc);

  // Setting a text by program counts as an edit even when the text stays the same, so
  // the field's edit handler runs exactly once either way.
  void SetInputText(QLineEdit* field, const QString& text);

  // Replaces a list's items and selects the first without running anything.
  static void FillList(QComboBox* list, const std::vector<SizeItem>& items);
  // The first-level list of a two-level calculator.
  static void FillTypes(QComboBox* list, CalcId id);
  // Built-in sizes only: user-defined rows are appended later in a page's initialisation.
  static void FillBuiltIn(QComboBox* list, CalcId id);
  // Appends the user-defined models of the calculator's kind behind the built-in sizes.
  void AppendCustomRows(const CalcControls& calc);
  // The calculator's group box caption.
  static QString Title(CalcId id);
  // The unit beside its unit-weight field.
  static QString UnitLabel(CalcId id);
  // Selects an item by program (runs nothing).
  static void SelectFirst(QComboBox* list);

  // The page's calculators, for ShowSpec; the array lives as long as the page.
  void HoldsCalcs(std::span<const CalcControls> calcs) { calcs_ = calcs; }

  PageHost* host() const { return host_; }
  const DialogUnits& units() const { return units_; }

  // Enter and Escape get no dialog handling of the page; they go on to the main window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  PageHost* host_;
  DialogUnits units_;
  QHash<const QLineEdit*, std::function<void()>> editHandlers_;
  std::span<const CalcControls> calcs_;
};

}  // namespace zelvik::ui
