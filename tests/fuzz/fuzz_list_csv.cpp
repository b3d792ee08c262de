// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a list file: reading never fails other than with a problem, every row read is
// within the list's limits, and a list read is written and read back to the same rows.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_list_resolver.h"
#include "list/list_csv.h"

namespace {

bool SameRow(const zelvik::ListRow& a, const zelvik::ListRow& b) {
  return a.item.spec == b.item.spec && a.material == b.material && a.lengthMm == b.lengthMm &&
         a.quantity == b.quantity && a.price == b.price && a.basis == b.basis && a.note == b.note &&
         a.density == b.density;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzResolver resolver;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto result = zelvik::ReadListCsv(bytes, resolver);
  const auto* rows = std::get_if<std::vector<zelvik::ListRow>>(&result);
  if (!rows) {
    if (std::get<zelvik::ListFileProblem>(result).reason.empty()) std::abort();
    return 0;
  }
  for (const zelvik::ListRow& row : *rows) {
    if (row.quantity < 1 || row.quantity > zelvik::kMaxQuantity) std::abort();
    if (row.item.takesLength && !(row.lengthMm > 0 && row.lengthMm <= zelvik::kMaxLengthMm)) std::abort();
    if (!(row.price >= 0 && row.price <= zelvik::kMaxPrice) || !(row.density > 0)) std::abort();
    if (!std::isfinite(zelvik::ComputeRow(row).amount)) std::abort();
  }
  const std::string written = zelvik::WriteListCsv(*rows, 2);
  const auto again = zelvik::ReadListCsv(written, resolver);
  const auto* back = std::get_if<std::vector<zelvik::ListRow>>(&again);
  if (!back || back->size() != rows->size()) std::abort();
  for (std::size_t i = 0; i < rows->size(); ++i) {
    if (!SameRow((*rows)[i], (*back)[i])) std::abort();
  }
  return 0;
}
