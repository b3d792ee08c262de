// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "cutting/cutting_plan.h"
#include "list/list_document.h"

// The PDFs of `zelvik-cli list` and `zelvik-cli cut`, drawn by the program's print library on
// Qt's offscreen platform. A build without Qt has no PDF.
namespace zelvik::cli {

bool PdfAvailable();

// The reason when the file cannot be written.
std::optional<std::string> WriteListPdfFile(const ListDocument& doc, const std::string& path);
// `spec`: the canonical spec text, empty for none.
std::optional<std::string> WriteCutPdfFile(const cutting::CutRequest& request, const cutting::CutPlan& plan,
                                           const std::string& spec, const std::string& path);

}  // namespace zelvik::cli
