// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace zelvik {

// One direction of the GBK <-> UTF-8 conversion at the configuration file's boundary.
// Reusing one converter for many short strings avoids an iconv_open per line.
class GbkConverter {
 public:
  enum class Direction { kToUtf8, kToGbk };

  explicit GbkConverter(Direction direction);
  ~GbkConverter();
  GbkConverter(const GbkConverter&) = delete;
  GbkConverter& operator=(const GbkConverter&) = delete;

  // The converted text, or nullopt when the input holds a sequence that is invalid in the
  // source encoding or has no counterpart in the target (e.g. an emoji has no GBK code).
  std::optional<std::string> Convert(std::string_view in);

 private:
  iconv_t cd_;
};

std::optional<std::string> GbkToUtf8(std::string_view gbk);
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

}  // namespace zelvik
