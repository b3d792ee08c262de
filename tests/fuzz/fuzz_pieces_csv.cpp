// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a pieces CSV file: the reader either refuses them with a line number inside
// the text or returns pieces with positive finite lengths and whole positive quantities.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cutting/pieces_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto pieces = zelvik::cutting::ReadPiecesCsv(text);
    for (const auto& p : pieces) {
      if (!std::isfinite(p.length) || p.length <= 0 || p.quantity < 1) std::abort();
    }
  } catch (const zelvik::cutting::PiecesCsvError& e) {
    const long lines = 1 + std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r');
    if (e.line() < 1 || e.line() > lines) std::abort();
  }
  return 0;
}
