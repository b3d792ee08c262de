// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as pasted rows: every row is either read or reported, on a line of the text, and
// the rows read are within the list's limits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_list_resolver.h"
#include "list/list_paste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzResolver resolver;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zelvik::PasteResult r = zelvik::ReadPastedRows(text, resolver, 7.85);
  const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                                     std::count(text.begin(), text.end(), '\r')) + 1;
  if (r.rows.size() + r.problems.size() > lines) std::abort();
  for (const zelvik::PasteProblem& p : r.problems) {
    if (p.line < 1 || p.line > lines || p.reason.empty()) std::abort();
  }
  for (const zelvik::ListRow& row : r.rows) {
    if (row.quantity < 1 || row.quantity > zelvik::kMaxQuantity || row.item.spec.empty()) std::abort();
  }
  const std::size_t all[] = {0};
  (void)zelvik::CopyRowsText(r.rows, all, zelvik::ListDisplay{});
  return 0;
}
