// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "list/list_document.h"

namespace zelvik {

// The workbook's own words beside the document's texts: Chinese, unless the window passes
// those of its language (the workbook, like the printed list, is a document to read; the
// list file's CSV header never changes).
struct XlsxTexts {
  std::string summaryTitle = "按品名、规格、材质汇总";
  std::string date = "日期：";
  std::string customer = "客户：";
  std::string project = "工程：";
  std::string footer = "&C第 &P 页 / 共 &N 页";  // with Excel's header and footer codes
};

// Writes the list as an .xlsx workbook: the rows on the first sheet under a title block,
// the summary on the second, numbers stored as numbers with their formats, the header
// frozen, the totals as SUM formulas that carry their values, ready to print on A4. The
// file appears whole or not at all. Returns the reason when it cannot be written.
std::optional<std::string> WriteListXlsx(const ListDocument& doc, const std::filesystem::path& path,
                                         const XlsxTexts& texts = {});

}  // namespace zelvik
