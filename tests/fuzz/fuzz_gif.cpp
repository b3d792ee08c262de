// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a GIF: the walker never reads outside the data, every frame it cuts out is a
// GIF that the walker reads back as exactly that one frame, and the decoder gives each frame
// exactly its pixels or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gif/gif_decoder.h"
#include "gif/gif_walker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto file = zelvik::gif::WalkGif(bytes);
  if (!file) return 0;
  if (file->frames.size() > zelvik::gif::kMaxGifFrames) std::abort();
  for (const zelvik::gif::GifFrame& frame : file->frames) {
    const auto again = zelvik::gif::WalkGif(frame.gif);
    if (!again || again->frames.size() != 1 || again->width != file->width || again->height != file->height) {
      std::abort();
    }
    const zelvik::gif::GifFrame& f = again->frames[0];
    if (f.left != frame.left || f.top != frame.top || f.width != frame.width || f.height != frame.height ||
        f.delay != frame.delay || f.disposal != frame.disposal || f.gif != frame.gif) {
      std::abort();
    }
    if (frame.disposal < 0 || frame.disposal > 7 || frame.delay < -1 || frame.delay > 65535) std::abort();
    if (const auto image = zelvik::gif::DecodeFrame(frame.gif)) {
      if (image->width != frame.width || image->height != frame.height ||
          image->pixels.size() != static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height)) {
        std::abort();
      }
    }
  }
  return 0;
}
