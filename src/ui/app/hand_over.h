// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace zelvik::ui {

class InstanceMarker;

// Starts another copy of the program to take over from this one (the restart of the custom
// materials window, the new version after an update). The marker goes first, so that the new
// copy neither warns that one is running nor finds "--show" taken; when the program cannot be
// started, this copy takes the marker back and says why on stderr. marker may be null.
bool HandOver(InstanceMarker* marker, const std::filesystem::path& program);

}  // namespace zelvik::ui
