// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "list/list_document.h"
#include "list_xlsx.h"
#include "paged_document.h"

class QPagedPaintDevice;

// The materials list on paper: its rows under a repeated header with the totals at the end,
// a line of totals, and the summary by 品名 + 规格 + 材质.
namespace zelvik::print {

// The document in the interface's language: its title, sheet names, column headers, the
// totals' label, and the product and pricing names the core gave in Chinese (texts a user
// typed stay as they are). Without a translation, as it was. `name`, when given, shows the
// product and size names instead (the interface's own term-by-term reading of "工20a").
ListDocument ShownListDocument(ListDocument doc, const std::function<std::string(const std::string&)>& name = {});
// The workbook's own words in the interface's language, for WriteListXlsx.
XlsxTexts ShownXlsxTexts();
// A column's header and a pricing's name as shown, on paper and in the list window alike.
QString ListColumnTitle(ListColumn column, const ListDisplay& display);
QString SummaryColumnTitle(SummaryColumn column, const ListDisplay& display);
QString PriceBasisTitle(PriceBasis basis);

// Printed in the interface's language (ShownListDocument).
PagedDocument ListPrintDocument(const ListDocument& doc);

// Prints onto a set-up QPrinter or QPdfWriter; the number of pages, 0 when printing failed.
int PrintList(const ListDocument& doc, QPagedPaintDevice& device);

// Writes the list as a PDF file with its fonts embedded; the file appears whole or not at
// all. Returns the reason when it cannot be written.
std::optional<QString> WriteListPdf(const ListDocument& doc, const QString& path);

}  // namespace zelvik::print
