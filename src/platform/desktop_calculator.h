// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelvik {

// The first of the usual desktop calculators found on the search path (a PATH-style list
// of folders), by the order of the calculators, not of the folders. nullopt when none.
std::optional<std::filesystem::path> FindDesktopCalculator(std::string_view searchPath);

}  // namespace zelvik
