// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/gif_walker.h"

namespace zelvik::gif {

namespace {

constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kScreenBytes = 7;

class Reader {
 public:
  explicit Reader(std::string_view data) : data_(data) {}

  std::size_t pos() const { return pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }
  int Byte(std::size_t at) const { return static_cast<unsigned char>(data_[at]); }
  int Word(std::size_t at) const { return Byte(at) | (Byte(at + 1) << 8); }
  bool Has(std::size_t n) const { return n <= data_.size() - pos_; }
  bool Skip(std::size_t n) {
    if (!Has(n)) return false;
    pos_ += n;
    return true;
  }
  // Data sub-blocks up to and with the zero-length terminator.
  bool SkipSubBlocks() {
    while (Has(1)) {
      const std::size_t len = static_cast<std::size_t>(Byte(pos_));
      ++pos_;
      if (len == 0) return true;
      if (!Skip(len)) return false;
    }
    return false;
  }
  std::string_view Since(std::size_t start) const { return data_.substr(start, pos_ - start); }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

std::size_t ColorTableBytes(int flags) { return (flags & 0x80) ? 3u * (2u << (flags & 7)) : 0u; }

}  // namespace

bool HasGifSignature(std::string_view data) {
  return data.size() >= kHeaderBytes && data.substr(0, 3) == "GIF" &&
         (data.substr(3, 3) == "87a" || data.substr(3, 3) == "89a");
}

std::optional<GifFile> WalkGif(std::string_view data) {
  if (!HasGifSignature(data) || data.size() < kHeaderBytes + kScreenBytes) return std::nullopt;
  Reader in(data);
  GifFile file;
  file.width = in.Word(6);
  file.height = in.Word(8);
  const int flags = in.Byte(10);
  file.globalColorTable = (flags & 0x80) != 0;
  file.backgroundIndex = in.Byte(11);
  in.Skip(kHeaderBytes + kScreenBytes);
  if (!in.Skip(ColorTableBytes(flags))) return file;
  const std::string_view head = data.substr(0, in.pos());

  std::string gathered;  // extensions since the last image
  int delay = -1;
  int disposal = 0;
  while (!in.AtEnd() && file.frames.size() < kMaxGifFrames) {
    const std::size_t start = in.pos();
    const int introducer = in.Byte(start);
    if (introducer == 0x21) {
      if (!in.Has(2)) break;
      const int label = in.Byte(start + 1);
      bool ok = false;
      if (label == 0xFF) {
        ok = in.Skip(14) && in.SkipSubBlocks();
      } else if (label == 0xFE) {
        ok = in.Skip(2) && in.SkipSubBlocks();
      } else if (label == 0xF9) {
        ok = in.Skip(8);
        if (ok) {
          disposal = (in.Byte(start + 3) >> 2) & 7;
          delay = in.Word(start + 4);
        }
      } else if (label == 0x01) {
        ok = in.Skip(15) && in.SkipSubBlocks();
      }
      if (!ok) break;
      gathered.append(in.Since(start));
    } else if (introducer == 0x2C) {
      if (!in.Has(10)) break;
      GifFrame frame;
      frame.left = in.Word(start + 1);
      frame.top = in.Word(start + 3);
      frame.width = in.Word(start + 5);
      frame.height = in.Word(start + 7);
      const int imageFlags = in.Byte(start + 9);
      if (!in.Skip(10) || !in.Skip(ColorTableBytes(imageFlags)) || !in.Skip(1) || !in.SkipSubBlocks()) break;
      frame.delay = delay;
      frame.disposal = disposal;
      frame.gif.reserve(head.size() + gathered.size() + (in.pos() - start) + 1);
      frame.gif.append(head).append(gathered).append(in.Since(start)).push_back('\x3B');
      file.frames.push_back(std::move(frame));
      gathered.clear();
      delay = -1;
      disposal = 0;
    } else {
      // The trailer, or anything this walker does not know.
      break;
    }
  }
  return file;
}

int FrameDurationMs(int delay) { return delay > 4 ? delay * 10 : 100; }

}  // namespace zelvik::gif
