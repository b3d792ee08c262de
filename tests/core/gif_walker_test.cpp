// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "gif/gif_walker.h"
#include "test_files.h"

namespace zelvik::gif {
namespace {

// Blocks of a GIF assembled by hand; the image data need not decode, the walker only
// follows the block structure.
std::string Word(int v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

std::string Head(int w, int h, int tableBits = -1) {
  std::string s = "GIF89a" + Word(w) + Word(h);
  s += static_cast<char>(tableBits >= 0 ? 0x80 | tableBits : 0);
  s += '\0';
  s += '\0';
  if (tableBits >= 0) s += std::string(3u * (2u << tableBits), '\x11');
  return s;
}

std::string Control(int delay, int disposal) {
  return std::string("\x21\xF9\x04", 3) + static_cast<char>(disposal << 2) + Word(delay) + std::string("\0\0", 2);
}

std::string SubBlocks(const std::string& data) {
  std::string s;
  for (std::size_t i = 0; i < data.size(); i += 255) {
    const std::string part = data.substr(i, 255);
    s += static_cast<char>(part.size());
    s += part;
  }
  return s + '\0';
}

std::string Image(int left, int top, int w, int h, int localTableBits = -1) {
  std::string s = "\x2C" + Word(left) + Word(top) + Word(w) + Word(h);
  s += static_cast<char>(localTableBits >= 0 ? 0x80 | localTableBits : 0);
  if (localTableBits >= 0) s += std::string(3u * (2u << localTableBits), '\x22');
  return s + '\x02' + SubBlocks("\x44\x01");
}

const std::string kLoop = std::string("\x21\xFF\x0BNETSCAPE2.0", 14) + SubBlocks(std::string("\x01\x00\x00", 3));
const std::string kComment = std::string("\x21\xFE", 2) + SubBlocks("made by hand");
const std::string kPlainText = std::string("\x21\x01\x0C", 3) + std::string(12, '\0') + SubBlocks("text");

TEST(GifWalker, RefusesWhatIsNotAGif) {
  for (const std::string& data : {std::string(), std::string("GIF89"), std::string("GIF88a") + std::string(7, '\0'),
                                  std::string("\x89PNG\r\n\x1a\n") + std::string(20, '\0'), std::string("GIF89a123456")}) {
    EXPECT_FALSE(WalkGif(data).has_value()) << data.size();
  }
  EXPECT_TRUE(HasGifSignature("GIF87a"));
  EXPECT_FALSE(HasGifSignature("gif89a"));
}

TEST(GifWalker, SplitsFramesWithTheirExtensions) {
  const std::string head = Head(425, 87, 1);
  const std::string f1 = Control(0, 2) + Image(0, 0, 425, 87);
  const std::string f2 = kComment + Control(50, 3) + kPlainText + Image(10, 20, 30, 40, 0);
  const std::string f3 = Image(1, 2, 3, 4);
  const std::string data = head + kLoop + f1 + f2 + f3 + ";";
  const auto file = WalkGif(data);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->width, 425);
  EXPECT_EQ(file->height, 87);
  EXPECT_TRUE(file->globalColorTable);
  ASSERT_EQ(file->frames.size(), 3u);
  const struct {
    int left, top, width, height, delay, disposal;
    std::string gif;
  } expected[] = {
      {0, 0, 425, 87, 0, 2, head + kLoop + f1 + ";"},
      {10, 20, 30, 40, 50, 3, head + f2 + ";"},
      {1, 2, 3, 4, -1, 0, head + f3 + ";"},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    const GifFrame& f = file->frames[i];
    EXPECT_EQ(f.left, expected[i].left) << i;
    EXPECT_EQ(f.top, expected[i].top) << i;
    EXPECT_EQ(f.width, expected[i].width) << i;
    EXPECT_EQ(f.height, expected[i].height) << i;
    EXPECT_EQ(f.delay, expected[i].delay) << i;
    EXPECT_EQ(f.disposal, expected[i].disposal) << i;
    EXPECT_EQ(f.gif, expected[i].gif) << i;
  }
}

TEST(GifWalker, StopsAtWhatItDoesNotKnow) {
  const std::string head = Head(8, 8);
  const std::string frame = Control(7, 1) + Image(0, 0, 8, 8);
  const struct {
    const char* name;
    std::string data;
    std::size_t frames;
  } rows[] = {
      {"no frame", head + ";", 0},
      {"no trailer", head + frame + frame, 2},
      {"after the trailer", head + frame + ";" + frame, 1},
      {"unknown extension", head + frame + std::string("\x21\x99\x00", 3) + frame, 1},
      {"unknown byte", head + frame + std::string(1, '\0') + frame, 1},
      {"colour table cut off", Head(8, 8, 7).substr(0, 100), 0},
      {"image cut off", head + frame + frame.substr(0, frame.size() - 1), 1},
      {"sub-block longer than the data", head + frame + "\x2C" + std::string(9, '\0') + "\x02\xFF" + "ab", 1},
  };
  for (const auto& row : rows) {
    const auto file = WalkGif(row.data);
    ASSERT_TRUE(file.has_value()) << row.name;
    EXPECT_EQ(file->frames.size(), row.frames) << row.name;
  }
}

TEST(GifWalker, EveryTruncationIsHandled) {
  const std::string data = Head(16, 16, 2) + kLoop + Control(3, 2) + Image(0, 0, 16, 16) + kComment + Control(9, 0) +
                           Image(4, 4, 8, 8, 1) + ";";
  std::size_t last = 0;
  for (std::size_t n = 0; n <= data.size(); ++n) {
    const auto file = WalkGif(std::string_view(data).substr(0, n));
    if (!file) {
      EXPECT_LT(n, 13u);
      continue;
    }
    EXPECT_GE(file->frames.size(), last) << n;
    last = file->frames.size();
    for (const GifFrame& f : file->frames) EXPECT_LE(f.gif.size(), n + 1) << n;
  }
  EXPECT_EQ(last, 2u);
}

TEST(GifWalker, FrameDurations) {
  const struct {
    int delay, ms;
  } rows[] = {{-1, 100}, {0, 100}, {1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 50}, {10, 100}, {50, 500}, {65535, 655350}};
  for (const auto& row : rows) EXPECT_EQ(FrameDurationMs(row.delay), row.ms) << row.delay;
}

TEST(GifWalker, TheAdvertisementIsThreeFramesOf425By87) {
  const auto bytes = testing_files::ReadBytes(std::filesystem::path(ZELVIK_SOURCE_DIR) / "resources/ad.gif");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->substr(0, 6), "GIF89a");
  const auto file = WalkGif(*bytes);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->width, 425);
  EXPECT_EQ(file->height, 87);
  ASSERT_EQ(file->frames.size(), 3u);
  for (const GifFrame& f : file->frames) EXPECT_GT(f.delay, 4);
}

}  // namespace
}  // namespace zelvik::gif
