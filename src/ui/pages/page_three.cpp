// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_three.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "pages/calc_box.h"
#include "pages/list_fonts.h"

namespace zelvik::ui {

namespace {

constexpr int kHeightDlu = 179;

constexpr int kSpecFontHeight = 13;
constexpr int kNarrowWidth = 5;
constexpr int kNarrowerWidth = 4;


}  // namespace

CPageThree::CPageThree(PageHost* host, QWidget* parent) : CWeightPage(host, parent, kHeightDlu) {
  calcs_[kHexBar].id = CalcId::kHexBar;
  calcs_[kOctBar].id = CalcId::kOctBar;
  calcs_[kRebar].id = CalcId::kRebar;
  calcs_[kColdAngle].id = CalcId::kColdAngle;
  calcs_[kColdChannel].id = CalcId::kColdChannel;
  calcs_[kColdZ].id = CalcId::kColdZ;
  BuildControls();
  HoldsCalcs(calcs_);
  ConnectEvents();
  Initialise();
}

void CPageThree::BuildControls() {
  struct BoxSpec {
    Calc calc;
    int column, row;
    const char* list;  // size list, or type list of a two-level calculator
    const char* spec;  // spec list, null for one-level calculators
    const char* unitWeight;
    const char* length;
    const char* push;
    const char* result;
  };
  static constexpr BoxSpec kBoxes[] = {
      {kHexBar, 0, 0, "1126", nullptr, "1135", "1136", "1101", "1137"},
      {kOctBar, 1, 0, "1127", nullptr, "1138", "1139", "1102", "1140"},
      {kRebar, 2, 0, "1128", nullptr, "1141", "1142", "1103", "1143"},
      {kColdAngle, 0, 1, "1129", "1130", "1144", "1145", "1118", "1146"},
      {kColdChannel, 1, 1, "1131", "1132", "1147", "1148", "1153", "1149"},
      {kColdZ, 2, 1, "1133", "1134", "1150", "1151", "1154", "1152"},
  };
  for (const BoxSpec& spec : kBoxes) {
    CalcBox box(this, units(), spec.column, spec.row, Title(calcs_[spec.calc].id), {22, "kg/m"});
    CalcControls& calc = calcs_[spec.calc];
    if (spec.spec) {
      calc.typeList = box.List(tr("类型:"), spec.list);
      calc.sizeList = box.List(tr("规格:"), spec.spec);
      FillTypes(calc.typeList, calc.id);
    } else {
      calc.sizeList = box.List(tr("型号:"), spec.list);
      FillBuiltIn(calc.sizeList, calc.id);
    }
    calc.unitWeight = box.UnitWeight(spec.unitWeight, UnitLabel(calc.id));
    calc.length = box.Input(tr("长度:"), spec.length);
    box.Result(spec.push, spec.result, calc);
  }
}

void CPageThree::ConnectEvents() {
  for (const CalcControls& calc : calcs_) {
    if (calc.typeList) {
      OnUserSelect(calc.typeList, [this, &calc] {
        RebuildSpecList(calc);
        RunCalc(calc);
      });
    }
    OnUserSelect(calc.sizeList, [this, &calc] { RunCalc(calc); });
    OnEditRecompute(calc.length, calc);
    ConnectPush(calc);
  }
}

void CPageThree::Initialise() {
  narrowFont_ = NarrowListFont(font(), kSpecFontHeight, kNarrowWidth);
  narrowerFont_ = NarrowListFont(font(), kSpecFontHeight, kNarrowerWidth);
  for (const CalcControls& calc : calcs_) {
    if (calc.typeList) {
      SelectFirst(calc.typeList);
      RebuildSpecList(calc);
    } else {
      SelectFirst(calc.sizeList);
    }
    RunCalc(calc);
  }
  for (Calc calc : {kHexBar, kOctBar, kRebar}) AppendCustomRows(calcs_[calc]);
}

void CPageThree::RecomputeAll() {
  for (const CalcControls& calc : calcs_) RunCalc(calc);
}

void CPageThree::ResetPage() {
  for (const CalcControls& calc : calcs_) SelectFirst(calc.typeList ? calc.typeList : calc.sizeList);
  for (const CalcControls& calc : calcs_) SetInputText(calc.length, QString());
  for (const CalcControls& calc : calcs_) {
    if (calc.typeList) RebuildSpecList(calc);
    RunCalc(calc);
  }
}

const QFont& CPageThree::SpecFont(CalcId id, int type) const {
  switch (id) {
    case CalcId::kColdAngle:
      return type >= 0 ? narrowFont_ : font();
    case CalcId::kColdChannel:
      if (type == 0) return narrowFont_;
      return type > 0 ? narrowerFont_ : font();
    case CalcId::kColdZ:
      return type == 1 ? narrowFont_ : font();
    default:
      return font();
  }
}

void CPageThree::RebuildSpecList(const CalcControls& calc) {
  const int type = calc.typeList->currentIndex();
  FillList(calc.sizeList, SizeItems(calc.id, type, host()->CustomRows()));
  calc.sizeList->setFont(SpecFont(calc.id, type));
}

void CPageThree::CalcHexBar() { RunCalc(calcs_[kHexBar]); }
void CPageThree::CalcOctBar() { RunCalc(calcs_[kOctBar]); }
void CPageThree::CalcRebar() { RunCalc(calcs_[kRebar]); }
void CPageThree::CalcColdAngle() { RunCalc(calcs_[kColdAngle]); }
void CPageThree::CalcColdChannel() { RunCalc(calcs_[kColdChannel]); }
void CPageThree::CalcColdZ() { RunCalc(calcs_[kColdZ]); }

}  // namespace zelvik::ui
