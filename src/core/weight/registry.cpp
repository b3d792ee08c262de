// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/registry.h"

#include "weight/calculators.h"

namespace zelvik {

namespace {

constexpr unsigned kL = kFieldLength;
constexpr WeightBasis kPerM = WeightBasis::kPerMetre;

constexpr SizeSource kNoSizes{};
constexpr SizeSource One(std::span<const SizeEntry> (*table)()) { return SizeSource{table, nullptr, nullptr}; }
constexpr SizeSource Groups(std::span<const SizeGroup> (*table)()) { return SizeSource{nullptr, table, nullptr}; }

// id, cli name, title, fields, type list, size list, unit weight, spec, length text, custom kind,
// page, unit, basis, formula, sizes, spec-string form
constexpr CalcInfo kCalcs[kCalcCount] = {
    {CalcId::kPlate1, "plate1", "钢板一", kFieldLength | kFieldWidth | kFieldThickness, false, false, false, false,
     false, -1, 0, "", WeightBasis::kPerPiece, CalcPlate1, kNoSizes,
     {SpecForm::kPlate, "", "钢板|板|扁钢|扁铁"}},
    {CalcId::kPlate2, "plate2", "钢板二", kFieldArea | kFieldThickness, false, false, false, false, false, -1, 0, "",
     WeightBasis::kPerSquareMetre, CalcPlate2, kNoSizes, {SpecForm::kPlate, "", "钢板|板"}},
    {CalcId::kHotAngle, "hot-angle", "角钢(热轧)", kL, false, true, true, false, false, 0, 0, "kg/m", kPerM,
     CalcHotAngle, One(HotAngleTable), {SpecForm::kSizeName, "", "角钢|等边角钢|不等边角钢|热轧"}},
    {CalcId::kRoundPipe, "round-pipe", "圆钢/钢管", kFieldOuter | kFieldInner | kFieldWall | kL, false, false,
     false, false, false, -1, 0, "", kPerM, CalcRoundPipe, kNoSizes,
     {SpecForm::kRoundBar, "Φ", "圆钢|钢管|圆管|无缝管|无缝钢管"}},
    {CalcId::kHotChannel, "hot-channel", "槽钢(热轧)", kL, false, true, true, true, false, 1, 0, "kg/m", kPerM,
     CalcHotChannel, One(HotChannelTable), {SpecForm::kSizeName, "", "槽钢|槽|热轧"}},
    {CalcId::kIBeam, "i-beam", "工字钢", kL, false, true, true, true, false, 2, 0, "kg/m", kPerM, CalcIBeam,
     One(IBeamTable), {SpecForm::kSizeName, "", "工字钢|热轧"}},
    {CalcId::kSquareTube, "square-tube", "方管/矩形管", kL, false, true, true, false, false, 3, 1, "kg/m", kPerM, CalcSquareTube, One(SquareTubeTable), {SpecForm::kSizeName, "□", "方管|矩形管|方矩管"}},
    {CalcId::kWeldedPipe, "welded-pipe", "焊管/钢管", kL, false, true, true, false, false, 4, 1, "kg/m", kPerM,
     CalcWeldedPipe, One(WeldedPipeTable), {SpecForm::kSizeName, "", "焊管|焊接钢管|镀锌管|钢管"}},
    {CalcId::kFastener, "fastener", "螺栓/螺母/垫圈/开口销", kL, true, true, false, false, true, -1, 1, "",
     WeightBasis::kPerPiece, CalcFastener, SizeSource{nullptr, nullptr, FastenerTable},
     {SpecForm::kFastener, "", "紧固件|标准件"}},
    {CalcId::kHTSection, "ht-section", "H钢/T钢", kL, true, true, true, false, false, -1, 1, "kg/m", kPerM,
     CalcHTSection, Groups(HTSectionTable), {SpecForm::kTypeCode, "", "H型钢|H钢|T型钢|T钢|热轧"}},
    {CalcId::kPlateMesh, "plate-mesh", "花纹板/钢板网", kFieldArea, true, true, true, false, false, -1, 1, "kg/m2",
     WeightBasis::kPerSquareMetre, CalcPlateMesh, Groups(PlateMeshTable),
     {SpecForm::kTypeName, "", "花纹板|花纹钢板|钢板网|扩张网"}},
    {CalcId::kWireRope, "wire-rope", "钢丝绳", kL, true, true, true, false, false, -1, 1, "kg/100m",
     WeightBasis::kPer100Metre, CalcWireRope, Groups(WireRopeTable), {SpecForm::kRope, "", "钢丝绳"}},
    {CalcId::kHexBar, "hex-bar", "六角钢", kL, false, true, true, false, false, 5, 2, "kg/m", kPerM, CalcHexBar,
     One(HexBarTable), {SpecForm::kSizeName, "六角", "六角钢|六角"}},
    {CalcId::kOctBar, "oct-bar", "八角钢", kL, false, true, true, false, false, 6, 2, "kg/m", kPerM, CalcOctBar,
     One(OctBarTable), {SpecForm::kSizeName, "八角", "八角钢|八角"}},
    {CalcId::kRebar, "rebar", "螺纹钢", kL, false, true, true, false, false, 7, 2, "kg/m", kPerM, CalcRebar,
     One(RebarTable), {SpecForm::kSizeName, "螺纹钢", "螺纹钢|钢筋|带肋钢筋"}},
    {CalcId::kColdAngle, "cold-angle", "角钢(冷弯)", kL, true, true, true, false, false, -1, 2, "kg/m", kPerM,
     CalcColdAngle, Groups(ColdAngleTable), {SpecForm::kSizeName, "", "角钢|冷弯"}},
    {CalcId::kColdChannel, "cold-channel", "槽钢(冷弯)", kL, true, true, true, false, false, -1, 2, "kg/m", kPerM, CalcColdChannel, Groups(ColdChannelTable), {SpecForm::kSizeName, "", "槽钢|槽|冷弯|卷边槽钢"}},
    {CalcId::kColdZ, "cold-z", "Z型钢(冷弯)", kL, true, true, true, false, false, -1, 2, "kg/m", kPerM,
     CalcColdZ, Groups(ColdZTable), {SpecForm::kSizeName, "Z", "Z型钢|冷弯|卷边"}},
};

}  // namespace

std::span<const CalcInfo> AllCalcs() { return kCalcs; }

const CalcInfo& GetCalcInfo(CalcId id) { return kCalcs[static_cast<int>(id)]; }

const CalcInfo* FindCalc(std::string_view cliName) {
  for (const CalcInfo& info : kCalcs) {
    if (cliName == info.cliName) return &info;
  }
  return nullptr;
}

}  // namespace zelvik
