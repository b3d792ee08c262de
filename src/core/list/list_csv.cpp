// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_csv.h"

#include <algorithm>
#include <array>

#include "config/gbk.h"
#include "list/csv_text.h"
#include "list/list_fields.h"
#include "list/list_format.h"
#include "util/utf8.h"

namespace zelvik {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The delimiter of the header line: Excel writes ';' where the decimal mark is a comma.
char GuessDelimiter(std::string_view text) {
  const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
  char best = ',';
  std::size_t bestCount = 0;
  for (char d : {',', ';', '\t'}) {
    const auto n = static_cast<std::size_t>(std::count(first.begin(), first.end(), d));
    if (n > bestCount) best = d, bestCount = n;
  }
  return best;
}

// A totals line below the rows, as spreadsheets (and our own export) add one.
bool IsTotalsRecord(const CsvRecord& record, std::size_t specColumn) {
  if (specColumn < record.fields.size() && record.fields[specColumn].find_first_not_of(" \t") != std::string::npos) {
    return false;
  }
  for (const std::string& f : record.fields) {
    if (f.find_first_not_of(" \t") == std::string::npos) continue;
    return f.find("合计") != std::string::npos || f.find("总计") != std::string::npos;
  }
  return false;
}

struct ColumnMap {
  std::array<int, kListFieldCount> column;  // record field index per ListField, -1 absent
  double lengthScale = 1;
};

std::variant<ColumnMap, ListFileProblem> MapHeader(const CsvRecord& header) {
  ColumnMap map;
  map.column.fill(-1);
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    const auto match = FieldForHeader(header.fields[i]);
    if (!match) continue;
    int& slot = map.column[static_cast<std::size_t>(match->field)];
    if (slot >= 0) {
      return ListFileProblem{header.line, "列 " + std::string(FieldHeader(match->field)) + " 出现了两次"};
    }
    slot = static_cast<int>(i);
    if (match->field == ListField::kLength) map.lengthScale = match->lengthScale;
  }
  if (map.column[static_cast<std::size_t>(ListField::kSpec)] < 0) {
    return ListFileProblem{header.line, "表头没有 规格 列"};
  }
  if (map.column[static_cast<std::size_t>(ListField::kQuantity)] < 0) {
    return ListFileProblem{header.line, "表头没有 数量 列"};
  }
  return map;
}

std::string FieldText(const CsvRecord& record, const ColumnMap& map, ListField field) {
  const int i = map.column[static_cast<std::size_t>(field)];
  return (i >= 0 && static_cast<std::size_t>(i) < record.fields.size()) ? record.fields[static_cast<std::size_t>(i)]
                                                                          : std::string();
}

}  // namespace

std::optional<std::string> DecodeListText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) {
    bytes.remove_prefix(kUtf8Bom.size());
    if (!IsValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
  }
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return GbkToUtf8(bytes);
}

ListFileResult ReadListCsv(std::string_view bytes, const SpecResolver& resolver) {
  if (bytes.size() > kMaxListFileBytes) return ListFileProblem{0, "文件太大"};
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    return ListFileProblem{0, "文件是 UTF-16 文本，请另存为 CSV (UTF-8 或 GBK)"};
  }
  const auto text = DecodeListText(bytes);
  if (!text) return ListFileProblem{0, "文件既不是 UTF-8 也不是 GBK 文本"};
  auto parsed = ReadCsv(*text, GuessDelimiter(*text), CsvMode::kStrict);
  if (auto* problem = std::get_if<CsvProblem>(&parsed)) return ListFileProblem{problem->line, problem->reason};
  const auto& records = std::get<std::vector<CsvRecord>>(parsed);

  std::size_t at = 0;
  while (at < records.size() && IsBlankRecord(records[at])) ++at;
  if (at == records.size()) return ListFileProblem{0, "文件是空的，没有表头"};
  const auto mapped = MapHeader(records[at]);
  if (auto* problem = std::get_if<ListFileProblem>(&mapped)) return *problem;
  const ColumnMap& map = std::get<ColumnMap>(mapped);
  const auto specColumn = static_cast<std::size_t>(map.column[static_cast<std::size_t>(ListField::kSpec)]);

  std::vector<ListRow> rows;
  rows.reserve(records.size() - at - 1);
  const RowDefaults defaults;
  for (++at; at < records.size(); ++at) {
    const CsvRecord& record = records[at];
    if (IsBlankRecord(record) || IsTotalsRecord(record, specColumn)) continue;
    RowTexts texts;
    texts.product = FieldText(record, map, ListField::kProduct);
    texts.spec = FieldText(record, map, ListField::kSpec);
    texts.material = FieldText(record, map, ListField::kMaterial);
    texts.length = FieldText(record, map, ListField::kLength);
    texts.quantity = FieldText(record, map, ListField::kQuantity);
    texts.price = FieldText(record, map, ListField::kPrice);
    texts.basis = FieldText(record, map, ListField::kPriceBasis);
    texts.note = FieldText(record, map, ListField::kNote);
    texts.density = FieldText(record, map, ListField::kDensity);
    texts.lengthScale = map.lengthScale;
    auto row = MakeRow(texts, resolver, defaults);
    if (auto* why = std::get_if<std::string>(&row)) return ListFileProblem{record.line, *why};
    rows.push_back(std::move(std::get<ListRow>(row)));
  }
  return rows;
}

std::string WriteListCsv(std::span<const ListRow> rows, int decimals) {
  std::string out(kUtf8Bom);
  std::vector<std::string> fields(kListFieldCount);
  for (int i = 0; i < kListFieldCount; ++i) fields[static_cast<std::size_t>(i)] = FieldHeader(static_cast<ListField>(i));
  AppendCsvRecord(out, fields, ',');
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ListRow& row = rows[i];
    const RowFigures f = ComputeRow(row);
    const bool priced = row.price != 0;
    fields = {
        std::to_string(i + 1),
        row.item.product,
        row.item.spec,
        row.material,
        row.item.takesLength ? FormatExact(row.lengthMm) : std::string(),
        std::to_string(row.quantity),
        FormatRounded(row.item.unitWeight, kUnitWeightDecimals),
        row.item.unit,
        FormatRounded(f.pieceKg, decimals),
        FormatRounded(f.totalKg, decimals),
        priced ? FormatExact(row.price) : std::string(),
        PriceBasisText(row.basis),
        priced ? FormatRounded(f.amount, kAmountDecimals) : std::string(),
        row.note,
        FormatExact(row.density),
    };
    AppendCsvRecord(out, fields, ',');
  }
  return out;
}

}  // namespace zelvik
