// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelvik {

// One physical quantity of the unit converter: its unit labels in list order and the
// conversion factors between them, units² of them, row = from-unit, column = to-unit.
struct UnitQuantity {
  std::string_view name;
  std::span<const std::string_view> units;
  std::span<const double> factors;
};

// The 23 quantities in list order.
std::span<const UnitQuantity> UnitTable();

// The factor that converts an amount in unit `from` into unit `to` of a quantity; 1 for
// from == to. Indices must be valid.
double UnitFactor(int quantity, int from, int to);

// What the result field shows for a value field's text: the leading decimal number of its
// first 44 characters (0 when there is none) times the factor, printed "%.16f" with trailing
// zeros and then a trailing point removed ("2.54", "100000", "0.000000000000001").
std::string ConvertUnits(int quantity, int from, int to, std::string_view valueText);

// The "%.16f" text of a value trimmed as the result field shows it.
std::string FormatConversion(double value);

}  // namespace zelvik
