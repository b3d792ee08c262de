// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zelvik::gif {

// The pixels of one frame: its own rectangle only, row by row, each 0xAARRGGBB; the
// transparent colour and indices past the colour table are 0 (transparent).
struct FrameImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Frames larger than this (in pixels) are refused rather than allocated.
inline constexpr std::size_t kMaxFramePixels = std::size_t{1} << 24;

// Decodes the first image of a GIF (a frame as WalkGif cuts it out): its colour table (the
// local one, else the global one), the transparent index of its graphic control extension,
// LZW data and interlacing. Data that ends early leaves the remaining pixels transparent.
// nullopt without an image, a colour table or a valid LZW code size, or for an image of no
// pixels or more than kMaxFramePixels. Never reads outside the data.
std::optional<FrameImage> DecodeFrame(std::string_view gif);

}  // namespace zelvik::gif
