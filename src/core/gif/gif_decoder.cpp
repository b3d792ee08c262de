// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/gif_decoder.h"

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

// The colour indices of the image, as many as the data gives, in stream order.
std::vector<std::uint8_t> DecodeLzw(std::string_view data, int minCodeSize, std::size_t pixels) {
  std::vector<std::uint8_t> out;
  out.reserve(pixels);
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{}, first{};
  std::array<std::uint8_t, kMaxCodes + 1> stack{};
  const int clear = 1 << minCodeSize, end = clear + 1;
  for (int i = 0; i < clear; ++i) suffix[static_cast<std::size_t>(i)] = first[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  int width = minCodeSize + 1, next = clear + 2, prev = -1;
  Codes codes(data);
  while (out.size() < pixels) {
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
      out.push_back(static_cast<std::uint8_t>(code));
      prev = code;
      continue;
    }
    if (code > next) break;
    std::size_t depth = 0;
    int walk = code;
    if (code == next) {  // the string of prev and its own first byte
      stack[depth++] = first[static_cast<std::size_t>(prev)];
      walk = prev;
    }
    while (walk >= clear && depth < kMaxCodes) {
      stack[depth++] = suffix[static_cast<std::size_t>(walk)];
      walk = prefix[static_cast<std::size_t>(walk)];
    }
    stack[depth++] = static_cast<std::uint8_t>(walk);
    while (depth > 0 && out.size() < pixels) out.push_back(stack[--depth]);
    if (next < kMaxCodes) {
      const auto n = static_cast<std::size_t>(next);
      prefix[n] = static_cast<std::uint16_t>(prev);
      suffix[n] = static_cast<std::uint8_t>(walk);
      first[n] = first[static_cast<std::size_t>(prev)];
      if (++next == (1 << width) && width < 12) ++width;
    }
    prev = code;
  }
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
  const bool interlaced = (flags & 0x40) != 0;
  const std::size_t colours = table.size() / 3;
  image.pixels.assign(pixels, 0);
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const int index = indices[i];
    if (index == transparent || static_cast<std::size_t>(index) >= colours) continue;
    const std::size_t at = 3 * static_cast<std::size_t>(index);
    const int n = static_cast<int>(i / static_cast<std::size_t>(image.width));
    const std::size_t row = static_cast<std::size_t>(interlaced ? InterlacedRow(n, image.height) : n);
    image.pixels[row * static_cast<std::size_t>(image.width) + i % static_cast<std::size_t>(image.width)] =
        0xFF000000u | (static_cast<std::uint32_t>(Byte(table, at)) << 16) |
        (static_cast<std::uint32_t>(Byte(table, at + 1)) << 8) | static_cast<std::uint32_t>(Byte(table, at + 2));
  }
  return image;
}

}  // namespace zelvik::gif
