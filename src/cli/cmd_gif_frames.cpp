// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "gif/gif_walker.h"
#include "json.h"
#include "options.h"

namespace zelvik::cli {

const char kGifFramesUsage[] = R"(  zelvik-cli gif-frames FILE
      Prints the logical screen of a GIF and its frames as the advertisement's player cuts
      them: position, size, delay (hundredths of a second, -1 without a graphic control
      extension) and disposal.
)";

namespace {

constexpr std::size_t kMaxGifBytes = std::size_t{64} << 20;

std::string ReadFileOrThrow(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read '" + path + "'");
  std::string bytes;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    bytes.append(buf, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxGifBytes) throw RefusedError("'" + path + "' is larger than 64 MiB");
  }
  if (in.bad()) throw UsageError("cannot read '" + path + "'");
  return bytes;
}

}  // namespace

int RunGifFrames(const std::vector<std::string>& args) {
  if (args.size() != 2) throw UsageError("gif-frames takes one FILE");
  const std::string bytes = ReadFileOrThrow(args[1]);
  const std::optional<gif::GifFile> file = gif::WalkGif(bytes);
  if (!file) throw RefusedError("'" + args[1] + "' is not a GIF");
  if (file->frames.empty()) throw RefusedError("'" + args[1] + "' holds no frame");
  std::string json = "{\"width\": " + std::to_string(file->width) + ", \"height\": " + std::to_string(file->height) +
                     ", \"frames\": [";
  for (std::size_t i = 0; i < file->frames.size(); ++i) {
    const gif::GifFrame& f = file->frames[i];
    json += i ? ", " : "";
    json += "{\"left\": " + std::to_string(f.left) + ", \"top\": " + std::to_string(f.top) +
            ", \"width\": " + std::to_string(f.width) + ", \"height\": " + std::to_string(f.height) +
            ", \"delay\": " + std::to_string(f.delay) + ", \"disposal\": " + std::to_string(f.disposal) + "}";
  }
  std::cout << json << "]}\n";
  return 0;
}

}  // namespace zelvik::cli
