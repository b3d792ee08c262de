// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "weight/calc_types.h"
#include "weight/tables/tables.h"

// The eighteen calculators, each described once: the pages, the command line, the size
// lists and the spec-string parser read this description. A new calculator is one entry
// here, one table and one formula.
namespace zelvik {

// Where a calculator's lists come from; at most one is set.
struct SizeSource {
  std::span<const SizeEntry> (*single)() = nullptr;          // one "型号:" list
  std::span<const SizeGroup> (*groups)() = nullptr;          // "类型:" list, a size list per type
  std::span<const FastenerStandard> (*standards)() = nullptr;  // fastener standards and their sizes
};

// How a spec string names the calculator's products, and how its canonical text is written.
enum class SpecForm {
  kPlate,      // "-10×1500×6000" plate (T×W×L), "-50×5" flat bar (W×T); plate2: "-10" (per m²)
  kRoundBar,   // "Φ20" solid, "Φ108×4" outer × wall
  kSizeName,   // prefix + size name: "∠50×50×5", "[20a", "□100×4", "六角20"
  kTypeCode,   // the type name's leading letters + size name: "HW200×200"
  kTypeName,   // type name + size name: "菱形花纹板δ4"
  kRope,       // construction + "-" + diameter and core: "6×19-20钢芯"
  kFastener,   // standard + " " + size name: "LS 5782-2000 M20"
};

struct SpecText {
  SpecForm form;
  const char* prefix;  // written before the size name in the canonical text; "" for none
  const char* words;   // product words that select this calculator, '|' between them
};

struct CalcInfo {
  CalcId id;
  const char* cliName;   // "hot-angle"
  const char* title;     // group box caption
  unsigned fields;       // CalcField bits
  bool typeList;         // has a first-level "类型:" list
  bool sizeList;         // has a "型号:"/"规格:" size list
  bool unitWeight;       // shows a unit weight
  bool spec;             // shows a "规格:" text field
  bool lengthText;       // writes its length field (fasteners)
  int customKind;        // kind of user-defined rows appended to the size list, -1 none
  int page;              // 0 to 2: the tab it sits on
  const char* unitLabel; // beside the unit-weight field: "kg/m", "kg/m2", "kg/100m"; "" none
  WeightBasis basis;     // what its unit weight refers to
  CalcFunction formula;
  SizeSource sizes;
  SpecText specText;
};

std::span<const CalcInfo> AllCalcs();
const CalcInfo& GetCalcInfo(CalcId id);
// The calculator with that command-line name, or null.
const CalcInfo* FindCalc(std::string_view cliName);

}  // namespace zelvik
