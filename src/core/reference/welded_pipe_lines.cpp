// SPDX-License-Identifier: GPL-3.0-or-later
// Generated from the product tables by a one-off extraction; do not edit by hand.

#include "reference/welded_pipe_lines.h"

namespace zelvik {

namespace {

constexpr std::string_view kThin[] = {
    "1/8×2.00→φ10.0×2.00",
    "1/4×2.25→φ13.5×2.25",
    "3/8×2.25→φ17.0×2.25",
    "1/2×2.75→φ21.3×2.75",
    "3/4×2.75→φ26.8×2.75",
    "1×3.25  →φ33.5×3.25",
    "5/4×3.25→φ42.3×3.25",
    "3/2×3.50→φ48.0×3.50",
    "2×3.50  →φ60.0×3.50",
    "5/2×3.75→φ75.5×3.75",
    "3×4.00  →φ88.5×4.00",
    "4×4.00 →φ114.0×4.00",
    "5×4.50 →φ140.0×4.50",
    "6×4.50 →φ165.0×4.50",
};

constexpr std::string_view kThick[] = {
    "1/8×2.50→φ10.0×2.50",
    "1/4×2.75→φ13.5×2.75",
    "3/8×2.75→φ17.0×2.75",
    "1/2×3.25→φ21.3×3.25",
    "3/4×3.50→φ26.8×3.50",
    "1×4.00  →φ33.5×4.00",
    "5/4×4.00→φ42.3×4.00",
    "3/2×4.25→φ48.0×4.25",
    "2×4.50  →φ60.0×4.50",
    "5/2×4.50→φ75.5×4.50",
    "3×4.75  →φ88.5×4.75",
    "4×5.00 →φ114.0×5.00",
    "5×5.50 →φ140.0×5.50",
    "6×5.50 →φ165.0×5.50",
};

}  // namespace

std::span<const std::string_view> ThinWallPipeLines() { return kThin; }

std::span<const std::string_view> ThickWallPipeLines() { return kThick; }

}  // namespace zelvik
