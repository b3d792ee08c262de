// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/gbk.h"

#include <cerrno>

namespace zelvik {

namespace {

const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);

}  // namespace

GbkConverter::GbkConverter(Direction direction)
    : cd_(direction == Direction::kToUtf8 ? iconv_open("UTF-8", "GBK")
                                          : iconv_open("GBK", "UTF-8")) {}

GbkConverter::~GbkConverter() {
  if (cd_ != kInvalid) iconv_close(cd_);
}

std::optional<std::string> GbkConverter::Convert(std::string_view in) {
  if (cd_ == kInvalid) return std::nullopt;
  std::string out;
  if (in.empty()) return out;
  iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state

  // GBK -> UTF-8 grows at most 3/2 (two bytes become three); UTF-8 -> GBK never grows.
  // The loop still grows the buffer should a converter disagree.
  out.resize(in.size() * 3 / 2 + 4);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
    if (r == static_cast<size_t>(-1)) {
      if (errno != E2BIG) return std::nullopt;  // EILSEQ or EINVAL (truncated sequence)
      size_t used = out.size() - dstLeft;
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dstLeft = out.size() - used;
    } else if (r > 0) {
      return std::nullopt;  // a character was substituted: the text would not round-trip
    }
  }
  out.resize(out.size() - dstLeft);
  return out;
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
  return GbkConverter(GbkConverter::Direction::kToUtf8).Convert(gbk);
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  return GbkConverter(GbkConverter::Direction::kToGbk).Convert(utf8);
}

}  // namespace zelvik
