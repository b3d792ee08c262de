// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_two.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "common/display_text.h"
#include "pages/calc_box.h"
#include "pages/list_fonts.h"

namespace zelvik::ui {

namespace {

constexpr int kHeightDlu = 177;

// The narrow list font: 13 px high, 4 px average width.
constexpr int kNarrowHeight = 13;
constexpr int kNarrowWidth = 4;

// Plate/mesh types whose size names are long.
bool HasLongNames(int type) { return type >= 4 && type <= 6; }


}  // namespace

CPageTwo::CPageTwo(PageHost* host, QWidget* parent) : CWeightPage(host, parent, kHeightDlu) {
  calcs_[kSquareTube].id = CalcId::kSquareTube;
  calcs_[kWeldedPipe].id = CalcId::kWeldedPipe;
  calcs_[kFastener].id = CalcId::kFastener;
  calcs_[kHTSection].id = CalcId::kHTSection;
  calcs_[kPlateMesh].id = CalcId::kPlateMesh;
  calcs_[kWireRope].id = CalcId::kWireRope;
  BuildControls();
  HoldsCalcs(calcs_);
  ConnectEvents();
  Initialise();
}

void CPageTwo::BuildControls() {
  const DialogUnits& du = units();
  const QString kType = tr("类型:");
  const QString kModel = tr("型号:");
  const QString kLength = tr("长度:");

  CalcBox tube(this, du, 0, 0, Title(CalcId::kSquareTube), {22, "kg/m"});
  CalcControls& t = calcs_[kSquareTube];
  t.sizeList = tube.List(kModel, "1067");
  t.unitWeight = tube.UnitWeight("1068", UnitLabel(t.id));
  t.length = tube.Input(kLength, "1069");
  tube.Result("1095", "1070", t);

  CalcBox pipe(this, du, 1, 0, Title(CalcId::kWeldedPipe), {22, "kg/m"});
  CalcControls& p = calcs_[kWeldedPipe];
  p.sizeList = pipe.List(kModel, "1071");
  p.unitWeight = pipe.UnitWeight("1072", UnitLabel(p.id));
  p.length = pipe.Input(kLength, "1073");
  pipe.Result("1096", "1074", p);

  CalcBox fastener(this, du, 2, 0, Title(CalcId::kFastener));
  CalcControls& f = calcs_[kFastener];
  f.typeList = fastener.List(kType, "1075");
  f.sizeList = fastener.List(kModel, "1081");
  f.length = fastener.Input(kLength, "1076");
  fastener.Result("1097", "1077", f);

  CalcBox ht(this, du, 0, 1, Title(CalcId::kHTSection), {22, "kg/m"});
  CalcControls& h = calcs_[kHTSection];
  h.typeList = ht.List(kType, "1045");
  h.sizeList = ht.List(kModel, "1046");
  h.unitWeight = ht.UnitWeight("1054", UnitLabel(h.id));
  h.length = ht.Input(kLength, "1055");
  ht.Result("1098", "1056", h);

  CalcBox plate(this, du, 1, 1, Title(CalcId::kPlateMesh), {22, "kg/m2"});
  CalcControls& m = calcs_[kPlateMesh];
  m.typeList = plate.List(kType, "1057");
  m.sizeList = plate.List(kModel, "1058");
  m.unitWeight = plate.UnitWeight("1059", UnitLabel(m.id));
  m.area = plate.Input(tr("面积:"), "1060");
  plate.Result("1099", "1061", m);

  CalcBox rope(this, du, 2, 1, Title(CalcId::kWireRope), {22, "kg/100m"});
  CalcControls& w = calcs_[kWireRope];
  w.typeList = rope.List(kType, "1062");
  w.sizeList = rope.List(kModel, "1066");
  w.unitWeight = rope.UnitWeight("1063", UnitLabel(w.id));
  w.length = rope.Input(kLength, "1064", QStringLiteral("m"));
  rope.Result("1100", "1065", w);

  // The first-level lists hold their fixed items from the start.
  FillBuiltIn(t.sizeList, CalcId::kSquareTube);
  FillBuiltIn(p.sizeList, CalcId::kWeldedPipe);
  FillTypes(f.typeList, CalcId::kFastener);
  FillTypes(h.typeList, CalcId::kHTSection);
  FillTypes(m.typeList, CalcId::kPlateMesh);
  FillTypes(w.typeList, CalcId::kWireRope);
}

void CPageTwo::ConnectEvents() {
  for (CalcControls* calc : {&calcs_[kSquareTube], &calcs_[kWeldedPipe]}) {
    OnUserSelect(calc->sizeList, [this, calc] { RunCalc(*calc); });
    OnEditRecompute(calc->length, *calc);
  }

  CalcControls& f = calcs_[kFastener];
  OnUserSelect(f.typeList, [this] { OnFastenerStandardSelected(); });
  OnUserSelect(f.sizeList, [this] { CalcFastener(); });
  OnEdit(f.length, [this] { OnFastenerLengthEdited(); });

  for (CalcControls* calc : {&calcs_[kHTSection], &calcs_[kPlateMesh], &calcs_[kWireRope]}) {
    OnUserSelect(calc->typeList, [this, calc] {
      FillSizes(*calc);
      RunCalc(*calc);
    });
    OnUserSelect(calc->sizeList, [this, calc] { RunCalc(*calc); });
    OnEditRecompute(calc->length ? calc->length : calc->area, *calc);
  }

  for (const CalcControls& calc : calcs_) ConnectPush(calc);
}

void CPageTwo::Initialise() {
  SelectFirst(calcs_[kSquareTube].sizeList);
  CalcSquareTube();
  SelectFirst(calcs_[kWeldedPipe].sizeList);
  CalcWeldedPipe();
  SelectFirst(calcs_[kFastener].typeList);
  FillFastenerSizes();
  CalcFastener();
  SelectFirst(calcs_[kHTSection].typeList);
  FillHTSizes();
  CalcHTSection();
  narrowListFont_ = NarrowListFont(font(), kNarrowHeight, kNarrowWidth);
  SelectFirst(calcs_[kPlateMesh].typeList);
  FillPlateMeshSizes();
  CalcPlateMesh();
  SelectFirst(calcs_[kWireRope].typeList);
  FillWireRopeSizes();
  CalcWireRope();
  AppendCustomRows(calcs_[kSquareTube]);
  AppendCustomRows(calcs_[kWeldedPipe]);
}

void CPageTwo::RecomputeAll() {
  CalcSquareTube();
  CalcWeldedPipe();
  CalcFastener();
  CalcHTSection();
  CalcPlateMesh();
  CalcWireRope();
}

void CPageTwo::ResetPage() {
  for (Calc calc : {kHTSection, kPlateMesh, kWireRope}) SelectFirst(calcs_[calc].typeList);
  SelectFirst(calcs_[kSquareTube].sizeList);
  SelectFirst(calcs_[kWeldedPipe].sizeList);
  SelectFirst(calcs_[kFastener].typeList);
  for (QLineEdit* field : {calcs_[kHTSection].length, calcs_[kPlateMesh].area, calcs_[kWireRope].length,
                           calcs_[kSquareTube].length, calcs_[kWeldedPipe].length, calcs_[kFastener].length})
    SetInputText(field, QString());
  CalcSquareTube();
  CalcWeldedPipe();
  FillFastenerSizes();
  CalcFastener();
  FillHTSizes();
  CalcHTSection();
  FillPlateMeshSizes();
  CalcPlateMesh();
  FillWireRopeSizes();
  CalcWireRope();
}

void CPageTwo::FillSizes(const CalcControls& calc) {
  if (calc.id == CalcId::kPlateMesh) {
    calc.sizeList->setFont(HasLongNames(calc.typeList->currentIndex()) ? narrowListFont_ : font());
  }
  FillList(calc.sizeList, SizeItems(calc.id, calc.typeList->currentIndex(), host()->CustomRows()));
}

void CPageTwo::FillFastenerSizes() { FillSizes(calcs_[kFastener]); }
void CPageTwo::FillHTSizes() { FillSizes(calcs_[kHTSection]); }
void CPageTwo::FillPlateMeshSizes() { FillSizes(calcs_[kPlateMesh]); }
void CPageTwo::FillWireRopeSizes() { FillSizes(calcs_[kWireRope]); }

void CPageTwo::OnFastenerStandardSelected() {
  QLineEdit* length = calcs_[kFastener].length;
  if (FastenerTakesLength(calcs_[kFastener].typeList->currentIndex()) && length->text() == CoreText(kStandardSize))
    SetInputText(length, QString());
  FillFastenerSizes();
  CalcFastener();
}

void CPageTwo::OnFastenerLengthEdited() {
  QLineEdit* length = calcs_[kFastener].length;
  // Nuts and washers have no length: the field holds this text and edits of it do nothing.
  if (length->text() == CoreText(kStandardSize)) return;
  CalcFastener();
  ShowInputValue(length);
}

void CPageTwo::CalcSquareTube() { RunCalc(calcs_[kSquareTube]); }
void CPageTwo::CalcWeldedPipe() { RunCalc(calcs_[kWeldedPipe]); }
void CPageTwo::CalcFastener() { RunCalc(calcs_[kFastener]); }
void CPageTwo::CalcHTSection() { RunCalc(calcs_[kHTSection]); }
void CPageTwo::CalcPlateMesh() { RunCalc(calcs_[kPlateMesh]); }
void CPageTwo::CalcWireRope() { RunCalc(calcs_[kWireRope]); }

}  // namespace zelvik::ui
