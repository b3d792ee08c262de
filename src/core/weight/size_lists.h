// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "weight/calculators.h"

// The texts of the calculators' lists and the values behind their items.
namespace zelvik {

struct SizeItem {
  std::string name;
  double value = 0;  // tabulated unit weight (fasteners: r); user-defined rows: their text converted
  double perMm = 0;  // cotter pins: kg per mm of length
  std::string spec;  // "规格:" text where the calculator shows one
};

// First-level list of a two-level calculator; empty for the others.
std::vector<std::string> TypeNames(CalcId id);

// Size list for the given type (ignored by one-level calculators), built-in sizes first,
// then the user-defined rows of the calculator's kind. Empty for an unknown type.
std::vector<SizeItem> SizeItems(CalcId id, int type, const CustomRowSet& rows);

// The item behind (type, size); nullopt for no selection or an index outside the lists.
std::optional<SizeItem> LookupSize(CalcId id, int type, int size, const CustomRowSet& rows);

// Number of built-in sizes in the calculator's one-level list (0 for two-level ones).
int BuiltInCount(CalcId id);

}  // namespace zelvik
