// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_names.h"

#include <string>

#include "config/config_path.h"
#include "product.h"

namespace zelvik::update {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

bool IsAcceptableUpdateName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.back() == '/') return false;
  if (name.find("..") != std::string_view::npos || name.find('\\') != std::string_view::npos) return false;
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  const std::string list = product::kListFileName;
  std::size_t start = 0;
  bool first = true;
  while (start <= name.size()) {
    std::size_t slash = name.find('/', start);
    if (slash == std::string_view::npos) slash = name.size();
    const std::string_view part = name.substr(start, slash - start);
    if (part.empty() || part == ".") return false;
    // Case-insensitively: the file may be copied to a folder that folds case.
    if (EqualsIgnoringAsciiCase(part, kConfigFileName)) return false;
    if (first && (EqualsIgnoringAsciiCase(part, kStagingFolder) || EqualsIgnoringAsciiCase(part, list) ||
                  EqualsIgnoringAsciiCase(part, list + product::kSignatureSuffix))) {
      return false;
    }
    first = false;
    start = slash + 1;
  }
  return true;
}

bool IsPlainFileName(std::string_view name) {
  return name.find('/') == std::string_view::npos && IsAcceptableUpdateName(name);
}

}  // namespace zelvik::update
