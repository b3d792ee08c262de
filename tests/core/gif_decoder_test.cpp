// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "gif/gif_decoder.h"
#include "gif/gif_walker.h"
#include "test_files.h"

namespace zelvik::gif {
namespace {

std::string Word(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

std::string SubBlocks(const std::string& data) {
  std::string out;
  for (std::size_t i = 0; i < data.size(); i += 255) {
    const std::string part = data.substr(i, 255);
    out += static_cast<char>(part.size()) + part;
  }
  return out + '\0';
}

// A plain LZW encoder with growing code widths, as GIF writers have them.
std::string Lzw(const std::vector<int>& indices, int minCodeSize) {
  const int clear = 1 << minCodeSize;
  int width = minCodeSize + 1, next = clear + 2, count = 0;
  unsigned bits = 0;
  std::string out;
  auto put = [&](int code) {
    bits |= static_cast<unsigned>(code) << count;
    for (count += width; count >= 8; count -= 8, bits >>= 8) out += static_cast<char>(bits & 0xFF);
  };
  std::map<std::pair<int, int>, int> table;
  put(clear);
  int string = -1;
  for (int k : indices) {
    if (string < 0) {
      string = k;
    } else if (auto it = table.find({string, k}); it != table.end()) {
      string = it->second;
    } else {
      put(string);
      if (next < 4096) table[{string, k}] = next++;
      if (next == (1 << width) + 1 && width < 12) ++width;
      string = k;
    }
  }
  put(string);
  put(clear + 1);
  if (count > 0) out += static_cast<char>(bits & 0xFF);
  return out;
}

// Four colours: 0 black, 1 red, 2 green, 3 blue.
const std::string kTable = std::string("\0\0\0\xFF\0\0\0\xFF\0\0\0\xFF", 12);
constexpr std::uint32_t kArgb[] = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

struct Gif {
  int width = 0, height = 0;
  std::vector<int> indices;
  bool interlaced = false;
  int transparent = -1;
  std::string local;  // a local colour table (2 entries) instead of the global one
  int minCodeSize = 2;

  // keep: how many bytes of the LZW data to write (all by default).
  std::string Bytes(std::size_t keep = std::string::npos) const {
    std::string s = "GIF89a" + Word(width) + Word(height) + "\x81" + std::string(2, '\0') + kTable;
    if (transparent >= 0) s += std::string("\x21\xF9\x04\x01\0\0", 6) + static_cast<char>(transparent) + '\0';
    int flags = (interlaced ? 0x40 : 0) | (local.empty() ? 0 : 0x80);
    s += "\x2C" + Word(0) + Word(0) + Word(width) + Word(height) + static_cast<char>(flags) + local;
    return s + static_cast<char>(minCodeSize) + SubBlocks(Lzw(indices, minCodeSize).substr(0, keep)) + ";";
  }
};

Gif MakeGif(int width, int height, std::vector<int> indices) {
  Gif gif;
  gif.width = width;
  gif.height = height;
  gif.indices = std::move(indices);
  return gif;
}

std::vector<std::uint32_t> Colours(const std::vector<int>& indices) {
  std::vector<std::uint32_t> out;
  for (int i : indices) out.push_back(kArgb[i]);
  return out;
}

TEST(GifDecoder, RoundTripsThroughGrowingCodes) {
  // Long runs and repeats fill the table past several code widths, and one run makes the
  // code that is being defined (KwKwK).
  std::vector<int> indices;
  for (int i = 0; i < 3000; ++i) indices.push_back((i * i / 7 + i / 50) % 4);
  indices.insert(indices.end(), 500, 2);
  const Gif gif = MakeGif(70, 50, indices);
  const auto image = DecodeFrame(gif.Bytes());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 70);
  EXPECT_EQ(image->height, 50);
  EXPECT_EQ(image->pixels, Colours(indices));
}

TEST(GifDecoder, InterlacingTransparencyAndTables) {
  // Rows of an interlaced image arrive in four passes: 0, 8; 4; 2, 6; 1, 3, 5, 7, 9.
  Gif interlaced = MakeGif(1, 10, {0, 0, 1, 2, 2, 3, 3, 3, 3, 3});
  interlaced.interlaced = true;
  const std::vector<int> rows = {0, 3, 2, 3, 1, 3, 2, 3, 0, 3};
  EXPECT_EQ(DecodeFrame(interlaced.Bytes())->pixels, Colours(rows));

  Gif clear = MakeGif(3, 1, {1, 2, 1});
  clear.transparent = 2;
  EXPECT_EQ(DecodeFrame(clear.Bytes())->pixels, (std::vector<std::uint32_t>{kArgb[1], 0, kArgb[1]}));

  Gif own = MakeGif(2, 1, {0, 1});
  own.local = std::string("\x10\x20\x30\x40\x50\x60", 6);
  EXPECT_EQ(DecodeFrame(own.Bytes())->pixels, (std::vector<std::uint32_t>{0xFF102030, 0xFF405060}));
  own.indices = {3, 1};  // past the local table of two
  EXPECT_EQ(DecodeFrame(own.Bytes())->pixels, (std::vector<std::uint32_t>{0, 0xFF405060}));
}

TEST(GifDecoder, ShortDataLeavesTheRestTransparent) {
  // One byte of 3-bit codes holds the clear code and the first index.
  const auto image = DecodeFrame(MakeGif(4, 1, {1, 2, 3, 1}).Bytes(1));
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->pixels, (std::vector<std::uint32_t>{kArgb[1], 0, 0, 0}));
}

TEST(GifDecoder, Refusals) {
  Gif ok = MakeGif(2, 2, {0, 1, 2, 3});
  std::string noTable = ok.Bytes();
  noTable[10] = 0;
  noTable.erase(13, 12);
  Gif wide = ok;
  wide.width = 8192;
  wide.height = 4096;
  std::string badCodeSize = ok.Bytes();
  badCodeSize[13 + 12 + 10] = 1;
  const std::string rows[] = {"", "GIF89a", ok.Bytes().substr(0, 20), noTable, badCodeSize, MakeGif(0, 5, {}).Bytes(),
                              wide.Bytes()};
  for (const std::string& gif : rows) EXPECT_FALSE(DecodeFrame(gif).has_value()) << gif.size();
  EXPECT_TRUE(DecodeFrame(ok.Bytes()).has_value());
}

TEST(GifDecoder, TheAdvertisementsThreeFrames) {
  const auto bytes = testing_files::ReadBytes(std::filesystem::path(ZELVIK_SOURCE_DIR) / "resources/ad.gif");
  ASSERT_TRUE(bytes.has_value());
  const auto file = WalkGif(*bytes);
  ASSERT_TRUE(file.has_value());
  for (const GifFrame& frame : file->frames) {
    const auto image = DecodeFrame(frame.gif);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, frame.width);
    EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(frame.width * frame.height));
  }
}

}  // namespace
}  // namespace zelvik::gif
