// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvik::gif {

// One image of a GIF, cut out as a GIF of its own: header, logical screen descriptor and
// global colour table of the whole file, then the frame's extensions, its image and a
// trailer, so that any GIF decoder draws it.
struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  int delay = -1;    // hundredths of a second; -1 without a graphic control extension
  int disposal = 0;  // 0 to 7, from the graphic control extension
  std::string gif;
};

struct GifFile {
  int width = 0, height = 0;   // logical screen
  bool globalColorTable = false;
  int backgroundIndex = 0;
  std::vector<GifFrame> frames;  // in file order
};

// Walks at most this many frames; the rest of a longer file is ignored.
inline constexpr std::size_t kMaxGifFrames = 10000;

// "GIF87a" or "GIF89a" at the start.
bool HasGifSignature(std::string_view data);

// The frames of a GIF, found by walking its blocks: application, comment, graphic control
// and plain-text extensions, images and the trailer. Any other byte, or a block that runs
// past the end of the data, ends the walk; an image cut off that way is not a frame.
// Never reads outside the data. nullopt when the data is not a GIF (no signature or no
// complete logical screen descriptor).
std::optional<GifFile> WalkGif(std::string_view data);

// How long a frame stays: delay × 10 ms, or 100 ms for a delay of 4 or less.
int FrameDurationMs(int delay);

}  // namespace zelvik::gif
