// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

#include "list/list_row.h"
#include "list/spec_resolver.h"
#include "weight/calc_types.h"

// What a calculator weighed at a "重量" click, as a row of the materials list.
namespace zelvik {

struct Weighing {
  CalcId calc = CalcId::kPlate1;
  CalcInputs inputs;        // the page's fields as they stood
  WeightSettings settings;  // the unit system the fields are in, the density weighed at
};

// The spec string of the size or dimensions weighed and the length in mm where the piece
// takes one; the reason where the fields name no piece the list can hold.
struct WeighedSpec {
  std::string spec;
  std::string lengthMm;  // empty where the spec fixes the piece
};
std::variant<WeighedSpec, std::string> SpecOfWeighing(const Weighing& weighing, const CustomRowSet& rows);

// One piece of it at the density weighed at, read through `resolver` as any typed row is,
// so that it reads back the same from the list file.
std::variant<ListRow, std::string> RowOfWeighing(const Weighing& weighing, const CustomRowSet& rows,
                                                 const SpecResolver& resolver);

}  // namespace zelvik
