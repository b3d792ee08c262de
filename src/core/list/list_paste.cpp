// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_paste.h"

#include <array>

#include "list/csv_text.h"
#include "list/list_fields.h"

namespace zelvik {

namespace {

// Positional columns of pasted rows.
constexpr std::array<ListField, 7> kPastedOrder = {
    ListField::kSpec, ListField::kLength, ListField::kQuantity, ListField::kMaterial,
    ListField::kPrice, ListField::kPriceBasis, ListField::kNote,
};

struct Layout {
  std::array<int, kListFieldCount> column;  // field index per ListField, -1 absent
  double lengthScale = 1;
};

Layout PositionalLayout() {
  Layout layout;
  layout.column.fill(-1);
  for (std::size_t i = 0; i < kPastedOrder.size(); ++i) {
    layout.column[static_cast<std::size_t>(kPastedOrder[i])] = static_cast<int>(i);
  }
  return layout;
}

// The layout a header row gives, or nullopt when the row is not one.
std::optional<Layout> HeaderLayout(const CsvRecord& record) {
  Layout layout;
  layout.column.fill(-1);
  for (std::size_t i = 0; i < record.fields.size(); ++i) {
    const auto match = FieldForHeader(record.fields[i]);
    if (!match) continue;
    int& slot = layout.column[static_cast<std::size_t>(match->field)];
    if (slot < 0) slot = static_cast<int>(i);
    if (match->field == ListField::kLength) layout.lengthScale = match->lengthScale;
  }
  if (layout.column[static_cast<std::size_t>(ListField::kSpec)] < 0) return std::nullopt;
  return layout;
}

std::string Field(const CsvRecord& record, const Layout& layout, ListField field) {
  const int i = layout.column[static_cast<std::size_t>(field)];
  return (i >= 0 && static_cast<std::size_t>(i) < record.fields.size()) ? record.fields[static_cast<std::size_t>(i)]
                                                                          : std::string();
}

}  // namespace

PasteResult ReadPastedRows(std::string_view text, const SpecResolver& resolver, double density) {
  PasteResult result;
  const char delimiter = text.find('\t') != std::string_view::npos ? '\t' : ',';
  auto parsed = ReadCsv(text, delimiter, CsvMode::kLenient);
  const auto* records = std::get_if<std::vector<CsvRecord>>(&parsed);
  if (!records) return result;  // lenient reading never fails

  Layout layout = PositionalLayout();
  bool first = true;
  const RowDefaults defaults{density, false};
  for (const CsvRecord& record : *records) {
    if (IsBlankRecord(record)) continue;
    if (first) {
      first = false;
      if (auto header = HeaderLayout(record)) {
        layout = *header;
        continue;
      }
    }
    RowTexts texts;
    texts.product = Field(record, layout, ListField::kProduct);
    texts.spec = Field(record, layout, ListField::kSpec);
    texts.length = Field(record, layout, ListField::kLength);
    texts.quantity = Field(record, layout, ListField::kQuantity);
    texts.material = Field(record, layout, ListField::kMaterial);
    texts.price = Field(record, layout, ListField::kPrice);
    texts.basis = Field(record, layout, ListField::kPriceBasis);
    texts.note = Field(record, layout, ListField::kNote);
    texts.density = Field(record, layout, ListField::kDensity);
    texts.lengthScale = layout.lengthScale;
    texts.quantityInLength = record.fields.size() == 2 && layout.column[static_cast<std::size_t>(ListField::kLength)] == 1 &&
                             layout.column[static_cast<std::size_t>(ListField::kQuantity)] == 2;
    auto row = MakeRow(texts, resolver, defaults);
    if (auto* why = std::get_if<std::string>(&row)) {
      result.problems.push_back(PasteProblem{record.line, *why});
    } else {
      result.rows.push_back(std::move(std::get<ListRow>(row)));
    }
  }
  return result;
}

std::string CopyRowsText(std::span<const ListRow> rows, std::span<const std::size_t> indexes,
                         const ListDisplay& display) {
  std::string out;
  std::vector<std::string> fields;
  for (int c = 0; c < kListColumnCount; ++c) fields.push_back(ColumnHeader(static_cast<ListColumn>(c), display));
  AppendCsvRecord(out, fields, '\t', "\n");
  for (std::size_t index : indexes) {
    if (index >= rows.size()) continue;
    const ListRow& row = rows[index];
    const RowFigures figures = ComputeRow(row);
    for (int c = 0; c < kListColumnCount; ++c) {
      fields[static_cast<std::size_t>(c)] = CellText(row, figures, index, static_cast<ListColumn>(c), display);
    }
    AppendCsvRecord(out, fields, '\t', "\n");
  }
  return out;
}

}  // namespace zelvik
