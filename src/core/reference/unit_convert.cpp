// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/unit_table.h"
#include "util/numbers.h"
#include "util/utf8.h"

namespace zelvik {

double UnitFactor(int quantity, int from, int to) {
  const UnitQuantity& q = UnitTable()[quantity];
  return q.factors[static_cast<size_t>(from) * q.units.size() + static_cast<size_t>(to)];
}

std::string FormatConversion(double value) {
  std::string text = FormatFixed(value, 16);  // "inf", "-inf", "nan" for non-finite values
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

std::string ConvertUnits(int quantity, int from, int to, std::string_view valueText) {
  const double value = ParseLeadingDouble(FirstCharacters(valueText, 44));
  return FormatConversion(UnitFactor(quantity, from, to) * value);
}

}  // namespace zelvik
