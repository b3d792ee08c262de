// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_pdf.h"

namespace zelvik::cli {

bool PdfAvailable() { return false; }

std::optional<std::string> WriteListPdfFile(const ListDocument&, const std::string&) {
  return std::string("this zelvik-cli was built without PDF output");
}

std::optional<std::string> WriteCutPdfFile(const cutting::CutRequest&, const cutting::CutPlan&, const std::string&,
                                           const std::string&) {
  return std::string("this zelvik-cli was built without PDF output");
}

}  // namespace zelvik::cli
