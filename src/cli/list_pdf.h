// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "list/list_document.h"

// The PDF of `zelvik-cli list`, drawn by the program's print library on Qt's offscreen
// platform. A build without Qt has no PDF.
namespace zelvik::cli {

bool PdfAvailable();

// The reason when the file cannot be written.
std::optional<std::string> WriteListPdfFile(const ListDocument& doc, const std::string& path);

}  // namespace zelvik::cli
