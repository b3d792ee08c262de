// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_format.h"

#include <charconv>
#include <cmath>

#include "util/numbers.h"

namespace zelvik {

namespace {

std::string WithUnit(const char* name, const char* unit) { return std::string(name) + "(" + unit + ")"; }

// "１２，３４５．５" -> "12,345.5"; other characters are kept as they are.
std::string HalfWidthDigits(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (i + 2 < text.size() && b(0) == 0xEF && b(1) == 0xBC && b(2) >= 0x8B && b(2) <= 0x99) {
      out += static_cast<char>('+' + (b(2) - 0x8B));  // U+FF0B..U+FF19 are '+'..'9' shifted
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  static constexpr std::string_view kBlanks[] = {" ", "\t", "\r", "\n", "\xC2\xA0", "\xE3\x80\x80"};
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view b : kBlanks) {
      if (text.starts_with(b)) text.remove_prefix(b.size()), trimmed = true;
      if (text.ends_with(b)) text.remove_suffix(b.size()), trimmed = true;
    }
  }
  return text;
}

// "12,345,678.5": commas only between groups of three digits before the point.
bool UngroupDigits(std::string& s) {
  const std::size_t point = s.find('.');
  const std::size_t intEnd = point == std::string::npos ? s.size() : point;
  if (s.find(',', intEnd) != std::string::npos) return false;
  std::size_t begin = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  std::size_t digitsSinceComma = 0;
  bool sawComma = false;
  for (std::size_t i = begin; i < intEnd; ++i) {
    if (s[i] == ',') {
      if (digitsSinceComma == 0 || digitsSinceComma > 3 || (sawComma && digitsSinceComma != 3)) return false;
      sawComma = true;
      digitsSinceComma = 0;
    } else {
      ++digitsSinceComma;
    }
  }
  if (sawComma && digitsSinceComma != 3) return false;
  std::erase(s, ',');
  return true;
}

}  // namespace

std::string ColumnHeader(ListColumn column, const ListDisplay& display) {
  switch (column) {
    case ListColumn::kNo: return "序号";
    case ListColumn::kProduct: return "品名";
    case ListColumn::kSpec: return "规格";
    case ListColumn::kMaterial: return "材质";
    case ListColumn::kLength: return WithUnit("长度", display.LengthUnit());
    case ListColumn::kQuantity: return "数量";
    case ListColumn::kUnitWeight: return "单重";
    case ListColumn::kPieceKg: return WithUnit("单件重", display.WeightUnit());
    case ListColumn::kTotalKg: return WithUnit("总重", display.WeightUnit());
    case ListColumn::kPrice: return "单价";
    case ListColumn::kPriceBasis: return "计价方式";
    case ListColumn::kAmount: return "金额(元)";
    case ListColumn::kNote: return "备注";
  }
  return {};
}

bool IsEditable(ListColumn column) {
  switch (column) {
    case ListColumn::kMaterial:
    case ListColumn::kLength:
    case ListColumn::kQuantity:
    case ListColumn::kPrice:
    case ListColumn::kPriceBasis:
    case ListColumn::kNote:
      return true;
    default:
      return false;
  }
}

bool IsNumeric(ListColumn column) {
  switch (column) {
    case ListColumn::kNo:
    case ListColumn::kLength:
    case ListColumn::kQuantity:
    case ListColumn::kUnitWeight:
    case ListColumn::kPieceKg:
    case ListColumn::kTotalKg:
    case ListColumn::kPrice:
    case ListColumn::kAmount:
      return true;
    default:
      return false;
  }
}

std::string CellText(const ListRow& row, const RowFigures& figures, std::size_t index, ListColumn column,
                     const ListDisplay& display) {
  switch (column) {
    case ListColumn::kNo: return std::to_string(index + 1);
    case ListColumn::kProduct: return row.item.product;
    case ListColumn::kSpec: return row.item.spec;
    case ListColumn::kMaterial: return row.material;
    case ListColumn::kLength:
      return row.item.takesLength ? FormatExact(row.lengthMm / display.LengthDivisor()) : std::string();
    case ListColumn::kQuantity: return std::to_string(row.quantity);
    case ListColumn::kUnitWeight: return FormatRounded(row.item.unitWeight, kUnitWeightDecimals) + " " + row.item.unit;
    case ListColumn::kPieceKg: return FormatRounded(figures.pieceKg / display.WeightDivisor(), display.decimals);
    case ListColumn::kTotalKg: return FormatRounded(figures.totalKg / display.WeightDivisor(), display.decimals);
    case ListColumn::kPrice: return row.price == 0 ? std::string() : FormatRounded(row.price, kAmountDecimals);
    case ListColumn::kPriceBasis: return PriceBasisText(row.basis);
    case ListColumn::kAmount: return row.price == 0 ? std::string() : FormatRounded(figures.amount, kAmountDecimals);
    case ListColumn::kNote: return row.note;
  }
  return {};
}

std::string FormatRounded(double value, int decimals) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 17) return FormatFixed(value, decimals < 0 ? 0 : decimals);
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const bool negative = sci.front() == '-';
  if (negative) sci.remove_prefix(1);
  const std::size_t e = sci.find('e');
  std::string digits;  // the 15 significant digits
  for (char c : sci.substr(0, e)) {
    if (c != '.') digits += c;
  }
  int exponent = 0;
  const std::string_view expText = sci.substr(e + 1);
  std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0), expText.data() + expText.size(), exponent);

  // value × 10^decimals = 0.digits × 10^keep: its integer part is the first `keep` digits.
  const int keep = exponent + 1 + decimals;
  std::string units;
  if (keep > 0) {
    units = digits.substr(0, static_cast<std::size_t>(std::min(keep, 15)));
    if (keep > 15) units.append(static_cast<std::size_t>(keep - 15), '0');
  }
  if (keep >= 0 && keep < 15 && digits[static_cast<std::size_t>(keep)] >= '5') {
    std::size_t i = units.size();
    while (i > 0 && units[i - 1] == '9') units[--i] = '0';
    if (i == 0) {
      units.insert(units.begin(), '1');
    } else {
      ++units[i - 1];
    }
  }
  const std::size_t first = units.find_first_not_of('0');
  units = first == std::string::npos ? std::string() : units.substr(first);
  const bool zero = units.empty();
  if (units.size() < static_cast<std::size_t>(decimals) + 1) {
    units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
  }
  if (decimals > 0) units.insert(units.size() - static_cast<std::size_t>(decimals), 1, '.');
  return (negative && !zero) ? "-" + units : units;
}

std::string FormatExact(double value) {
  char buf[512];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  if (res.ec != std::errc()) return FormatFixed(value, 6);
  return std::string(buf, res.ptr);
}

std::optional<double> ParseListNumber(std::string_view text) {
  std::string s = HalfWidthDigits(TrimBlanks(text));
  if (s.find(',') != std::string::npos && !UngroupDigits(s)) return std::nullopt;
  if (!s.empty() && s.front() == '+') s.erase(0, 1);
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.back())) || s.back() == '.')) return std::nullopt;
  if (!(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '-' || s.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace zelvik
