// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "list/list_document.h"

namespace zelvik {

// Writes the list as an .xlsx workbook: the rows on the first sheet under a title block,
// the summary on the second, numbers stored as numbers with their formats, the header
// frozen, the totals as SUM formulas that carry their values, ready to print on A4. The
// file appears whole or not at all. Returns the reason when it cannot be written.
std::optional<std::string> WriteListXlsx(const ListDocument& doc, const std::filesystem::path& path);

}  // namespace zelvik
