// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "list/list_row.h"
#include "list/spec_resolver.h"

// The list file: CSV that spreadsheet programs open directly. Written as UTF-8 with a BOM,
// RFC 4180 quoting, CRLF and a header row of the Chinese column names; read back also when a
// spreadsheet saved it in GBK, with other line ends, another delimiter or the columns in
// another order. A file is read whole or not at all.
namespace zelvik {

// Lists larger than this are refused rather than read.
inline constexpr std::size_t kMaxListFileBytes = std::size_t{64} << 20;

struct ListFileProblem {
  std::size_t line = 0;  // from 1; 0 when it concerns the whole file
  std::string reason;
};

using ListFileResult = std::variant<std::vector<ListRow>, ListFileProblem>;

// The file's text as UTF-8: a UTF-8 BOM is dropped; text that is not UTF-8 is read as GBK.
// Nullopt when it is neither.
std::optional<std::string> DecodeListText(std::string_view bytes);

ListFileResult ReadListCsv(std::string_view bytes, const SpecResolver& resolver);

// Computed columns are written rounded for the reader's eye (weights to `decimals` places);
// the columns read back are written exactly.
std::string WriteListCsv(std::span<const ListRow> rows, int decimals);

}  // namespace zelvik
