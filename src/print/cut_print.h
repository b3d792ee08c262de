// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

#include "cut_texts.h"
#include "paged_document.h"

class QPagedPaintDevice;

// The cutting plan on paper: the summary, the drawing of every pattern, and the saw's table of
// each pattern.
namespace zelvik::print {

// `date` as the page frame shows it ("2024-05-01"). The sheet must outlive the document.
PagedDocument CutPrintDocument(const CutSheet& sheet, const QString& date);

// The reason when the file cannot be written.
std::optional<QString> WriteCutPdf(const CutSheet& sheet, const QString& date, const QString& path);

}  // namespace zelvik::print
