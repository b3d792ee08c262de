// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace zelvik::update {

// The folder, inside the executable's folder, where an update gathers its files before
// they are moved into place.
inline constexpr const char kStagingFolder[] = ".zelvik-update";

// A file name from the list may name a file in or below the executable's folder, and not
// the configuration file, the list file, its signature or the staging folder. Refused:
// empty names and components, absolute names, "..", backslashes, control characters,
// "." components and a trailing "/".
bool IsAcceptableUpdateName(std::string_view name);

// A name without any folder part that IsAcceptableUpdateName accepts ("oldexe").
bool IsPlainFileName(std::string_view name);

}  // namespace zelvik::update
