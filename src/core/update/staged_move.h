// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

#include "update/update_services.h"

namespace zelvik::update {

struct StagedFile {
  std::filesystem::path staged;  // where it was downloaded
  std::filesystem::path target;  // where it belongs
};

// Moves every staged file over its target, all or nothing: a target that exists is first
// renamed into backupFolder; when any step fails, every move made so far is undone and the
// old files and folders are back as they were. The backups stay in backupFolder.
bool MoveAllIntoPlace(const std::vector<StagedFile>& files, const std::filesystem::path& backupFolder, Files& fs);

}  // namespace zelvik::update
