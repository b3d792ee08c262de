// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_fields.h"

#include <cmath>

namespace zelvik {

namespace {

struct FieldName {
  std::string_view name;  // folded: no blanks, lower case, no unit
  ListField field;
};

constexpr FieldName kFieldNames[] = {
    {"序号", ListField::kNo},           {"no", ListField::kNo},
    {"no.", ListField::kNo},            {"品名", ListField::kProduct},
    {"名称", ListField::kProduct},      {"product", ListField::kProduct},
    {"规格", ListField::kSpec},         {"规格型号", ListField::kSpec},
    {"spec", ListField::kSpec},         {"材质", ListField::kMaterial},
    {"material", ListField::kMaterial}, {"长度", ListField::kLength},
    {"length", ListField::kLength},     {"数量", ListField::kQuantity},
    {"件数", ListField::kQuantity},     {"quantity", ListField::kQuantity},
    {"qty", ListField::kQuantity},      {"单重", ListField::kUnitWeight},
    {"unitweight", ListField::kUnitWeight}, {"单位", ListField::kUnit},
    {"unit", ListField::kUnit},         {"单件重", ListField::kPieceKg},
    {"pieceweight", ListField::kPieceKg}, {"总重", ListField::kTotalKg},
    {"totalweight", ListField::kTotalKg}, {"单价", ListField::kPrice},
    {"price", ListField::kPrice},       {"计价方式", ListField::kPriceBasis},
    {"pricing", ListField::kPriceBasis}, {"金额", ListField::kAmount},
    {"amount", ListField::kAmount},     {"备注", ListField::kNote},
    {"note", ListField::kNote},         {"密度", ListField::kDensity},
    {"density", ListField::kDensity},
};

std::string Fold(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  for (std::size_t at; (at = out.find("\xE3\x80\x80")) != std::string::npos;) out.erase(at, 3);  // U+3000
  return out;
}

// "长度(mm)" -> {"长度", "mm"}; full-width brackets as well.
std::pair<std::string, std::string> SplitUnit(const std::string& folded) {
  for (auto [open, close] : {std::pair<std::string_view, std::string_view>{"(", ")"}, {"（", "）"}}) {
    if (folded.ends_with(close)) {
      const std::size_t at = folded.rfind(open);
      if (at != std::string::npos && at > 0) {
        return {folded.substr(0, at), folded.substr(at + open.size(), folded.size() - at - open.size() - close.size())};
      }
    }
  }
  return {folded, {}};
}

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string Quoted(std::string_view text) {
  std::string out(1, '"');
  out += Trimmed(text);
  out += '"';
  return out;
}

// Each reader gives the value or the reason it is refused.
using Number = std::variant<double, std::string>;

Number ReadLength(std::string_view text, double scale) {
  if (Trimmed(text).empty()) return std::string("长度为空");
  const auto v = ParseListNumber(text);
  if (!v || *v <= 0) return "长度 " + Quoted(text) + " 不是大于 0 的数";
  if (*v * scale > kMaxLengthMm) return "长度 " + Quoted(text) + " 太大";
  return *v * scale;
}

Number ReadQuantity(std::string_view text) {
  const auto v = ParseListNumber(text);
  if (!v || *v < 1 || std::floor(*v) != *v) return "数量 " + Quoted(text) + " 不是不小于 1 的整数";
  if (*v > static_cast<double>(kMaxQuantity)) return "数量 " + Quoted(text) + " 太大";
  return *v;
}

Number ReadPrice(std::string_view text) {
  if (Trimmed(text).empty()) return 0.0;
  const auto v = ParseListNumber(text);
  if (!v || *v < 0) return "单价 " + Quoted(text) + " 不是不小于 0 的数";
  if (*v > kMaxPrice) return "单价 " + Quoted(text) + " 太大";
  return *v == 0 ? 0.0 : *v;  // no -0
}

std::variant<PriceBasis, std::string> ReadBasis(std::string_view text, bool takesLength) {
  PriceBasis basis = PriceBasis::kPerTonne;
  if (!Trimmed(text).empty()) {
    const auto parsed = ParsePriceBasis(text);
    if (!parsed) return "计价方式 " + Quoted(text) + " 不是 元/吨、元/千克、元/米 或 元/件";
    basis = *parsed;
  }
  if (basis == PriceBasis::kPerMetre && !takesLength) return std::string("元/米 计价需要长度，此规格没有长度");
  return basis;
}

}  // namespace

const char* FieldHeader(ListField field) {
  static constexpr const char* kHeaders[kListFieldCount] = {
      "序号", "品名", "规格", "材质", "长度(mm)", "数量", "单重", "单位",
      "单件重(kg)", "总重(kg)", "单价", "计价方式", "金额(元)", "备注", "密度(t/m3)",
  };
  return kHeaders[static_cast<int>(field)];
}

std::optional<HeaderMatch> FieldForHeader(std::string_view header) {
  const auto [name, unit] = SplitUnit(Fold(header));
  for (const FieldName& n : kFieldNames) {
    if (name != n.name) continue;
    HeaderMatch match{n.field};
    if (n.field == ListField::kLength && unit == "m") match.lengthScale = 1000;
    return match;
  }
  return std::nullopt;
}

std::variant<ListRow, std::string> MakeRow(const RowTexts& texts, const SpecResolver& resolver,
                                           const RowDefaults& defaults) {
  const std::string spec = Trimmed(texts.spec);
  if (spec.empty()) return std::string("规格为空");
  ListRow row;
  row.density = defaults.density;
  if (!Trimmed(texts.density).empty()) {
    const auto d = ParseListNumber(texts.density);
    if (!d || *d <= 0 || *d > 100) return "密度 " + Quoted(texts.density) + " 不是大于 0 的数";
    row.density = *d;
  }
  auto resolved = resolver.Resolve(spec, Trimmed(texts.product), row.density);
  if (auto* problem = std::get_if<SpecProblem>(&resolved)) return problem->message;
  row.item = std::move(std::get<ResolvedSpec>(resolved));

  if (row.item.takesLength) {
    const Number length = ReadLength(texts.length, texts.lengthScale);
    if (auto* why = std::get_if<std::string>(&length)) return *why;
    row.lengthMm = std::get<double>(length);
  }
  std::string_view quantityText = texts.quantity;
  if (!row.item.takesLength && texts.quantityInLength && Trimmed(quantityText).empty()) quantityText = texts.length;
  if (Trimmed(quantityText).empty()) {
    if (defaults.quantityRequired) return std::string("数量为空");
  } else {
    const Number quantity = ReadQuantity(quantityText);
    if (auto* why = std::get_if<std::string>(&quantity)) return *why;
    row.quantity = static_cast<long long>(std::get<double>(quantity));
  }
  const Number price = ReadPrice(texts.price);
  if (auto* why = std::get_if<std::string>(&price)) return *why;
  row.price = std::get<double>(price);
  const auto basis = ReadBasis(texts.basis, row.item.takesLength);
  if (auto* why = std::get_if<std::string>(&basis)) return *why;
  row.basis = std::get<PriceBasis>(basis);
  row.material = Trimmed(texts.material);
  row.note = Trimmed(texts.note);
  return row;
}

std::optional<std::string> ApplyCellEdit(ListRow& row, ListColumn column, std::string_view text,
                                         const ListDisplay& display) {
  switch (column) {
    case ListColumn::kMaterial:
      row.material = Trimmed(text);
      return std::nullopt;
    case ListColumn::kNote:
      row.note = Trimmed(text);
      return std::nullopt;
    case ListColumn::kLength: {
      if (!row.item.takesLength) return std::string("此规格没有长度");
      const Number length = ReadLength(text, display.LengthDivisor());
      if (auto* why = std::get_if<std::string>(&length)) return *why;
      row.lengthMm = std::get<double>(length);
      return std::nullopt;
    }
    case ListColumn::kQuantity: {
      const Number quantity = ReadQuantity(text);
      if (auto* why = std::get_if<std::string>(&quantity)) return *why;
      row.quantity = static_cast<long long>(std::get<double>(quantity));
      return std::nullopt;
    }
    case ListColumn::kPrice: {
      const Number price = ReadPrice(text);
      if (auto* why = std::get_if<std::string>(&price)) return *why;
      row.price = std::get<double>(price);
      return std::nullopt;
    }
    case ListColumn::kPriceBasis: {
      if (Trimmed(text).empty()) return std::string("计价方式为空");
      const auto basis = ReadBasis(text, row.item.takesLength);
      if (auto* why = std::get_if<std::string>(&basis)) return *why;
      row.basis = std::get<PriceBasis>(basis);
      return std::nullopt;
    }
    default:
      return std::string("此列不能编辑");
  }
}

}  // namespace zelvik
