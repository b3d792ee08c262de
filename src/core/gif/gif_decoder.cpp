// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/gif_decoder.h"

#include <algorithm>
#include <array>
#include <string>

namespace zelvik::gif {

namespace {

constexpr int kMaxCodes = 4096;

int Byte(std::string_view d, std::size_t at) { return static_cast<unsigned char>(d[at]); }
int Word(std::string_view d, std::size_t at) { return Byte(d, at) | (Byte(d, at + 1) << 8); }

std::size_t TableEntries(int flags) { return (flags & 0x80) ? (2u << (flags & 7)) : 0u; }

// Reads data sub-blocks from pos up to their terminator, appending them to out when given.
// False when they run past the end.
bool ReadSubBlocks(std::string_view d, std::size_t& pos, std::string* out) {
  while (pos < d.size()) {
    const std::size_t len = static_cast<std::size_t>(Byte(d, pos++));
    if (len == 0) return true;
    if (len > d.size() - pos) return false;
    if (out != nullptr) out->append(d.substr(pos, len));
    pos += len;
  }
  return false;
}

// LZW codes of growing width, least significant bit first.
class Codes {
 public:
  explicit Codes(std::string_view data) : data_(data) {}
  // -1 at the end of the data.
  int Next(int width) {
    while (count_ < width) {
      if (pos_ >= data_.size()) return -1;
      bits_ |= static_cast<std::uint32_t>(Byte(data_, pos_++)) << count_;
      count_ += 8;
    }
    const int code = static_cast<int>(bits_ & ((1u << width) - 1));
    bits_ >>= width;
    count_ -= width;
    return code;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

// The row a pass of an interlaced image writes as its n-th row.
int InterlacedRow(int n, int height) {
  constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows = height > kStart[pass] ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
    if (n < rows) return kStart[pass] + n * kStep[pass];
    n -= rows;
  }
  return height - 1;
}

// The colour indices of the image, as many as the data gives, in stream order. Each string
// is written straight into place from its last byte back, so nothing is stacked or copied.
std::vector<std::uint8_t> DecodeLzw(std::string_view data, int minCodeSize, std::size_t pixels) {
  std::vector<std::uint8_t> out(pixels);
  std::array<std::uint16_t, kMaxCodes> prefix{}, length{};
  std::array<std::uint8_t, kMaxCodes> suffix{}, first{};
  const int clear = 1 << minCodeSize, end = clear + 1;
  for (int i = 0; i < clear; ++i) {
    const auto u = static_cast<std::size_t>(i);
    suffix[u] = first[u] = static_cast<std::uint8_t>(i);
    length[u] = 1;
  }
  int width = minCodeSize + 1, next = clear + 2, prev = -1;
  std::size_t pos = 0;
  Codes codes(data);
  while (pos < pixels) {
    const int code = codes.Next(width);
    if (code < 0 || code == end) break;
    if (code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      prev = -1;
      continue;
    }
    if (prev < 0) {
      if (code >= clear) break;  // a string that does not exist yet
      out[pos++] = static_cast<std::uint8_t>(code);
      prev = code;
      continue;
    }
    if (code > next) break;
    const auto p = static_cast<std::size_t>(prev);
    // The code being defined now is the string of prev and prev's own first byte.
    const bool fresh = code == next;
    const std::size_t len = fresh ? length[p] + 1u : length[static_cast<std::size_t>(code)];
    std::size_t at = pos + len - 1;
    std::size_t walk = fresh ? p : static_cast<std::size_t>(code);
    if (fresh) {
      if (at < pixels) out[at] = first[p];
      --at;
    }
    for (; walk >= static_cast<std::size_t>(clear); walk = prefix[walk], --at) {
      if (at < pixels) out[at] = suffix[walk];
    }
    if (at < pixels) out[at] = static_cast<std::uint8_t>(walk);
    pos = std::min(pixels, pos + len);
    if (next < kMaxCodes) {
      const auto n = static_cast<std::size_t>(next);
      prefix[n] = static_cast<std::uint16_t>(prev);
      suffix[n] = static_cast<std::uint8_t>(walk);
      first[n] = first[p];
      length[n] = static_cast<std::uint16_t>(length[p] + 1);
      if (++next == (1 << width) && width < 12) ++width;
    }
    prev = code;
  }
  out.resize(pos);
  return out;
}

}  // namespace

std::optional<FrameImage> DecodeFrame(std::string_view d) {
  constexpr std::size_t kScreenEnd = 13;
  if (d.size() < kScreenEnd || d.substr(0, 3) != "GIF") return std::nullopt;
  std::size_t pos = kScreenEnd;
  std::string_view table;
  if (const std::size_t entries = TableEntries(Byte(d, 10)); entries > 0) {
    if (3 * entries > d.size() - pos) return std::nullopt;
    table = d.substr(pos, 3 * entries);
    pos += 3 * entries;
  }
  int transparent = -1;
  while (pos < d.size() && Byte(d, pos) == 0x21) {
    if (d.size() - pos < 2) return std::nullopt;
    const bool control = Byte(d, pos + 1) == 0xF9;
    pos += 2;
    if (control && d.size() - pos >= 5 && Byte(d, pos) == 4 && (Byte(d, pos + 1) & 1)) transparent = Byte(d, pos + 4);
    if (!ReadSubBlocks(d, pos, nullptr)) return std::nullopt;
  }
  if (pos >= d.size() || Byte(d, pos) != 0x2C || d.size() - pos < 11) return std::nullopt;
  FrameImage image;
  image.width = Word(d, pos + 5);
  image.height = Word(d, pos + 7);
  const int flags = Byte(d, pos + 9);
  pos += 10;
  if (const std::size_t entries = TableEntries(flags); entries > 0) {
    if (3 * entries > d.size() - pos) return std::nullopt;
    table = d.substr(pos, 3 * entries);
    pos += 3 * entries;
  }
  const std::size_t pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  if (table.empty() || pixels == 0 || pixels > kMaxFramePixels || pos >= d.size()) return std::nullopt;
  const int minCodeSize = Byte(d, pos++);
  if (minCodeSize < 2 || minCodeSize > 8) return std::nullopt;
  std::string data;
  ReadSubBlocks(d, pos, &data);  // what there is of it

  const std::vector<std::uint8_t> indices = DecodeLzw(data, minCodeSize, pixels);
  std::array<std::uint32_t, 256> palette{};  // 0 past the table and for the transparent index
  for (std::size_t i = 0; i < table.size() / 3; ++i) {
    palette[i] = 0xFF000000u | (static_cast<std::uint32_t>(Byte(table, 3 * i)) << 16) |
                 (static_cast<std::uint32_t>(Byte(table, 3 * i + 1)) << 8) | static_cast<std::uint32_t>(Byte(table, 3 * i + 2));
  }
  if (transparent >= 0) palette[static_cast<std::size_t>(transparent)] = 0;
  image.pixels.assign(pixels, 0);
  const bool interlaced = (flags & 0x40) != 0;
  const auto width = static_cast<std::size_t>(image.width);
  for (std::size_t n = 0, from = 0; from < indices.size(); ++n, from += width) {
    const std::size_t row = interlaced ? static_cast<std::size_t>(InterlacedRow(static_cast<int>(n), image.height)) : n;
    std::uint32_t* out = image.pixels.data() + row * width;
    const std::size_t count = std::min(width, indices.size() - from);
    for (std::size_t x = 0; x < count; ++x) out[x] = palette[indices[from + x]];
  }
  return image;
}

}  // namespace zelvik::gif
