// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace zelvik {

inline constexpr const char* kConfigFileName = "ConfigMW.ini";
// When set and not empty, names the folder of the configuration file (tests use it).
inline constexpr const char* kConfigDirEnv = "ZELVIK_CONFIG_DIR";

// The configuration file: beside the executable when its folder is writable, so that a
// copied folder carries its settings along; otherwise $XDG_CONFIG_HOME/zelvik/ (by default
// ~/.config/zelvik/). $ZELVIK_CONFIG_DIR overrides both. Nothing is created here; the
// writer creates a missing folder when it has something to store.
std::filesystem::path ConfigFilePath(const std::filesystem::path& executableDir);

// $HOME, or the home folder of the user's entry when HOME is unset; empty when neither.
std::filesystem::path HomeFolder();

// A folder the package manager owns (/usr, /bin, /sbin and below): an installed copy never
// writes there, whatever rights it runs with (root can write /usr/bin).
bool IsPackagedFolder(const std::filesystem::path& dir);

}  // namespace zelvik
