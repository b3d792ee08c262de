// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_xlsx.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <tuple>

namespace zelvik {

namespace {

namespace fs = std::filesystem;

constexpr uint8_t kA4 = 9;
constexpr double kMinWidth = 5;
constexpr double kMaxWidth = 50;

std::string NumberFormat(int decimals, const std::string& suffix) {
  std::string f = decimals < 0 ? "General" : decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
  if (!suffix.empty()) f += "\"" + suffix + "\"";
  return f;
}

// Formats are owned by the workbook; each kind is made once.
class Formats {
 public:
  explicit Formats(lxw_workbook* wb) : wb_(wb) {
    title_ = workbook_add_format(wb);
    format_set_bold(title_);
    format_set_font_size(title_, 16);
    format_set_align(title_, LXW_ALIGN_CENTER);
    format_set_align(title_, LXW_ALIGN_VERTICAL_CENTER);
    info_ = workbook_add_format(wb);
    header_ = workbook_add_format(wb);
    format_set_bold(header_);
    format_set_align(header_, LXW_ALIGN_CENTER);
    format_set_align(header_, LXW_ALIGN_VERTICAL_CENTER);
    format_set_bg_color(header_, 0xE8E8E8);
    format_set_border(header_, LXW_BORDER_THIN);
  }

  lxw_format* Title() const { return title_; }
  lxw_format* Info() const { return info_; }
  lxw_format* Header() const { return header_; }

  lxw_format* Cell(bool number, int decimals, const std::string& suffix, bool total) {
    auto [it, added] = cells_.try_emplace(std::make_tuple(number, decimals, suffix, total), nullptr);
    if (added) {
      lxw_format* f = workbook_add_format(wb_);
      format_set_border(f, LXW_BORDER_THIN);
      if (number) format_set_num_format(f, NumberFormat(decimals, suffix).c_str());
      if (total) {
        format_set_bold(f);
        format_set_top(f, LXW_BORDER_DOUBLE);
      }
      it->second = f;
    }
    return it->second;
  }

 private:
  lxw_workbook* wb_;
  lxw_format* title_;
  lxw_format* info_;
  lxw_format* header_;
  std::map<std::tuple<bool, int, std::string, bool>, lxw_format*> cells_;
};

std::string CellName(lxw_row_t row, lxw_col_t col) {
  char name[32];
  lxw_rowcol_to_cell(name, row, col);
  return name;
}

void WriteCell(lxw_worksheet* ws, Formats& formats, lxw_row_t r, lxw_col_t c, const SheetCell& cell, bool total) {
  lxw_format* f = formats.Cell(cell.number.has_value(), cell.decimals, cell.suffix, total);
  if (cell.number) {
    worksheet_write_number(ws, r, c, *cell.number, f);
  } else if (cell.text.empty()) {
    worksheet_write_blank(ws, r, c, f);
  } else {
    worksheet_write_string(ws, r, c, cell.text.c_str(), f);
  }
}

// The title block (when there is a title), the header, the rows and the totals row.
void WriteSheet(lxw_workbook* wb, Formats& formats, const Sheet& sheet, const std::string& title,
                const std::string& info, const std::string& footer) {
  lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.name.c_str());
  const auto lastCol = static_cast<lxw_col_t>(sheet.columns.size() - 1);
  lxw_row_t row = 0;
  if (!title.empty()) {
    worksheet_set_row(ws, 0, 28, nullptr);
    worksheet_merge_range(ws, 0, 0, 0, lastCol, title.c_str(), formats.Title());
    if (!info.empty()) worksheet_merge_range(ws, 1, 0, 1, lastCol, info.c_str(), formats.Info());
    row = 3;
  }
  const lxw_row_t headerRow = row;
  std::vector<std::size_t> widths(sheet.columns.size());
  for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
    worksheet_write_string(ws, headerRow, static_cast<lxw_col_t>(c), sheet.columns[c].header.c_str(), formats.Header());
    widths[c] = DisplayWidth(sheet.columns[c].header);
  }
  for (const auto& cells : sheet.rows) {
    ++row;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      WriteCell(ws, formats, row, static_cast<lxw_col_t>(c), cells[c], false);
      widths[c] = std::max(widths[c], DisplayWidth(cells[c].text));
    }
  }
  const lxw_row_t firstData = headerRow + 1;
  const lxw_row_t lastData = row;
  const lxw_row_t totalsRow = ++row;
  for (std::size_t c = 0; c < sheet.totals.size(); ++c) {
    const SheetCell& cell = sheet.totals[c];
    const auto col = static_cast<lxw_col_t>(c);
    widths[c] = std::max(widths[c], DisplayWidth(cell.text));
    lxw_format* f = formats.Cell(cell.number.has_value(), cell.decimals, cell.suffix, true);
    if (cell.total == SheetCell::Total::kSum && lastData >= firstData) {
      const std::string formula = "=SUM(" + CellName(firstData, col) + ":" + CellName(lastData, col) + ")";
      worksheet_write_formula_num(ws, totalsRow, col, formula.c_str(), f, cell.number.value_or(0));
    } else if (cell.total == SheetCell::Total::kQuotient && cell.of >= 0) {
      char divisor[32];
      std::snprintf(divisor, sizeof divisor, "%g", cell.divisor);
      const std::string formula = "=" + CellName(totalsRow, static_cast<lxw_col_t>(cell.of)) + "/" + divisor;
      worksheet_write_formula_num(ws, totalsRow, col, formula.c_str(), f, cell.number.value_or(0));
    } else {
      WriteCell(ws, formats, totalsRow, col, cell, true);
    }
  }
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const double width = std::clamp(static_cast<double>(widths[c]) + 2, kMinWidth, kMaxWidth);
    worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
  }
  worksheet_freeze_panes(ws, headerRow + 1, 0);
  worksheet_set_paper(ws, kA4);
  worksheet_set_margins(ws, 0.4, 0.4, 0.6, 0.6);
  worksheet_repeat_rows(ws, headerRow, headerRow);
  worksheet_fit_to_pages(ws, 1, 0);
  worksheet_set_footer(ws, footer.c_str());
}

std::string InfoLine(const ListDocumentHeader& h, const XlsxTexts& texts) {
  std::string info;
  auto add = [&](const std::string& label, const std::string& value) {
    if (value.empty()) return;
    if (!info.empty()) info += "    ";
    info += label + value;
  };
  add(texts.date, h.date);
  add(texts.customer, h.customer);
  add(texts.project, h.project);
  return info;
}

fs::path TempPathFor(const fs::path& path) {
  static std::atomic<unsigned> counter{0};
  const fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  return dir / ("." + path.filename().string() + "." + std::to_string(getpid()) + "." +
                std::to_string(counter.fetch_add(1)) + ".tmp");
}

}  // namespace

std::optional<std::string> WriteListXlsx(const ListDocument& doc, const fs::path& path, const XlsxTexts& texts) {
  const fs::path temp = TempPathFor(path);
  lxw_workbook_options options{};
  options.constant_memory = LXW_FALSE;
  lxw_workbook* wb = workbook_new_opt(temp.c_str(), &options);
  if (!wb) return "cannot create '" + temp.string() + "'";
  Formats formats(wb);
  WriteSheet(wb, formats, doc.items, doc.title, InfoLine(doc.header, texts), texts.footer);
  WriteSheet(wb, formats, doc.summary, texts.summaryTitle, {}, texts.footer);
  std::string title = doc.title;  // the library takes non-const strings
  lxw_doc_properties properties{};
  properties.title = title.data();
  workbook_set_properties(wb, &properties);
  const lxw_error closed = workbook_close(wb);
  if (closed != LXW_NO_ERROR) {
    unlink(temp.c_str());
    return std::string("cannot write the workbook: ") + lxw_strerror(closed);
  }
  const int fd = open(temp.c_str(), O_RDONLY | O_CLOEXEC);
  const bool synced = fd >= 0 && fsync(fd) == 0;
  if (fd >= 0) close(fd);
  if (!synced || rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return "cannot write '" + path.string() + "'";
  }
  return std::nullopt;
}

}  // namespace zelvik
