// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_one.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "pages/calc_box.h"

namespace zelvik::ui {

namespace {

constexpr int kHeightDlu = 179;

const QString kMm = QStringLiteral("mm");

}  // namespace

CPageOne::CPageOne(PageHost* host, QWidget* parent) : CWeightPage(host, parent, kHeightDlu) {
  calcs_[kPlate1].id = CalcId::kPlate1;
  calcs_[kPlate2].id = CalcId::kPlate2;
  calcs_[kHotAngle].id = CalcId::kHotAngle;
  calcs_[kRoundPipe].id = CalcId::kRoundPipe;
  calcs_[kHotChannel].id = CalcId::kHotChannel;
  calcs_[kIBeam].id = CalcId::kIBeam;
  BuildControls();
  HoldsCalcs(calcs_);
  ConnectEvents();
  Initialise();
}

void CPageOne::BuildControls() {
  const DialogUnits& du = units();

  CalcBox plate1(this, du, 0, 0, Title(CalcId::kPlate1), {22, "mm"});
  CalcControls& p1 = calcs_[kPlate1];
  p1.length = plate1.Input(tr("长:"), "1000");
  p1.width = plate1.Input(tr("宽:"), "1001");
  p1.thickness = plate1.Input(tr("厚:"), "1002", kMm);
  plate1.Result("1089", "1004", p1);

  CalcBox plate2(this, du, 1, 0, Title(CalcId::kPlate2), {22, "mm"});
  CalcControls& p2 = calcs_[kPlate2];
  p2.area = plate2.Input(tr("面积:"), "1005");
  p2.thickness = plate2.Input(tr("厚度:"), "1006", kMm);
  plate2.Result("1090", "1007", p2);

  CalcBox angle(this, du, 2, 0, Title(CalcId::kHotAngle), {22, "kg/m"});
  CalcControls& a = calcs_[kHotAngle];
  a.sizeList = angle.List(tr("型号:"), "1010");
  a.unitWeight = angle.UnitWeight("1017", UnitLabel(a.id));
  a.length = angle.Input(tr("长度:"), "1011");
  angle.Result("1091", "1012", a);

  // The mode radio buttons carry their captions in the label column, which is wider here.
  CalcBox pipe(this, du, 0, 1, Title(CalcId::kRoundPipe), {31, "mm"});
  CalcControls& r = calcs_[kRoundPipe];
  r.outer = pipe.Input(tr("外径:"), "1018", kMm);
  r.inner = pipe.RadioInput(&innerMode_, tr("内径:"), "1019", "1020", kMm);
  r.wall = pipe.RadioInput(&wallMode_, tr("壁厚:"), "1021", "1025", kMm);
  r.length = pipe.Input(tr("长度:"), "1022");
  r.wallMode = wallMode_;
  pipe.Result("1092", "1027", r);

  CalcBox channel(this, du, 1, 1, Title(CalcId::kHotChannel), {22, "kg/m"});
  CalcControls& c = calcs_[kHotChannel];
  c.sizeList = channel.List(tr("型号:"), "1033");
  c.spec = channel.ReadOnly(tr("规格:"), "1041");
  c.unitWeight = channel.UnitWeight("1030", UnitLabel(c.id));
  c.length = channel.Input(tr("长度:"), "1031");
  channel.Result("1093", "1032", c);

  CalcBox beam(this, du, 2, 1, Title(CalcId::kIBeam), {22, "kg/m"});
  CalcControls& b = calcs_[kIBeam];
  b.sizeList = beam.List(tr("型号:"), "1038");
  b.spec = beam.ReadOnly(tr("规格:"), "1042");
  b.unitWeight = beam.UnitWeight("1034", UnitLabel(b.id));
  b.length = beam.Input(tr("长度:"), "1035");
  beam.Result("1094", "1036", b);

  // The lists hold their built-in sizes from the start; user-defined ones come last.
  FillBuiltIn(a.sizeList, CalcId::kHotAngle);
  FillBuiltIn(c.sizeList, CalcId::kHotChannel);
  FillBuiltIn(b.sizeList, CalcId::kIBeam);

  r.outer->setToolTip(tr("圆钢或钢管外圆直径"));
  innerMode_->setToolTip(tr("选择内径模式"));
  r.inner->setToolTip(tr("钢管内圆直径,0表示圆钢"));
  wallMode_->setToolTip(tr("选择壁厚模式"));
  r.wall->setToolTip(tr("钢管壁厚,r表示圆钢"));
}

void CPageOne::ConnectEvents() {
  for (const CalcControls& calc : calcs_) {
    for (QLineEdit* field : {calc.length, calc.width, calc.thickness, calc.area, calc.outer, calc.inner, calc.wall})
      if (field) OnEditRecompute(field, calc);
    if (calc.sizeList) OnUserSelect(calc.sizeList, [this, &calc] { RunCalc(calc); });
    ConnectPush(calc);
  }
  connect(innerMode_, &QRadioButton::clicked, this, &CPageOne::CalcRoundPipe);
  connect(wallMode_, &QRadioButton::clicked, this, &CPageOne::CalcRoundPipe);
}

void CPageOne::Initialise() {
  SelectFirst(calcs_[kHotAngle].sizeList);
  CalcHotAngle();
  innerMode_->setChecked(true);
  SetInputText(calcs_[kRoundPipe].inner, QStringLiteral("0"));
  SetInputText(calcs_[kRoundPipe].wall, QStringLiteral("r"));
  SelectFirst(calcs_[kHotChannel].sizeList);
  CalcHotChannel();
  SelectFirst(calcs_[kIBeam].sizeList);
  CalcIBeam();
  for (Calc calc : {kHotAngle, kHotChannel, kIBeam}) AppendCustomRows(calcs_[calc]);
}

void CPageOne::RecomputeAll() {
  CalcPlate1();
  CalcPlate2();
  CalcHotAngle();
  CalcRoundPipe();
  CalcHotChannel();
  CalcIBeam();
}

void CPageOne::ResetPage() {
  SelectFirst(calcs_[kHotAngle].sizeList);
  SelectFirst(calcs_[kHotChannel].sizeList);
  SelectFirst(calcs_[kIBeam].sizeList);
  SetInputText(calcs_[kRoundPipe].inner, QStringLiteral("0"));
  SetInputText(calcs_[kRoundPipe].wall, QStringLiteral("r"));
  for (QLineEdit* field :
       {calcs_[kPlate1].length, calcs_[kPlate1].width, calcs_[kPlate1].thickness, calcs_[kPlate2].area,
        calcs_[kPlate2].thickness, calcs_[kHotAngle].length, calcs_[kRoundPipe].outer, calcs_[kRoundPipe].length,
        calcs_[kHotChannel].length, calcs_[kIBeam].length})
    SetInputText(field, QString());
  RecomputeAll();
}

void CPageOne::CalcPlate1() { RunCalc(calcs_[kPlate1]); }
void CPageOne::CalcPlate2() { RunCalc(calcs_[kPlate2]); }
void CPageOne::CalcHotAngle() { RunCalc(calcs_[kHotAngle]); }
void CPageOne::CalcRoundPipe() { RunCalc(calcs_[kRoundPipe]); }
void CPageOne::CalcHotChannel() { RunCalc(calcs_[kHotChannel]); }
void CPageOne::CalcIBeam() { RunCalc(calcs_[kIBeam]); }

}  // namespace zelvik::ui
