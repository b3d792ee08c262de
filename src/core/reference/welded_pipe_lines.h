// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace zelvik {

// The welded-pipe size lines, 14 each, in table order: nominal inch size × wall, an arrow, then
// outside diameter × wall in mm ("1/2×2.75→φ21.3×2.75"). Blanks inside a line belong to it.
std::span<const std::string_view> ThinWallPipeLines();
std::span<const std::string_view> ThickWallPipeLines();

}  // namespace zelvik
