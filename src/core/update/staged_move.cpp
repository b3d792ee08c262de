// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/staged_move.h"

#include <string>

namespace zelvik::update {

namespace fs = std::filesystem;

namespace {

struct Move {
  fs::path staged, target, backup;
  bool hadOld = false;
  fs::path createdFolder;  // the top-most folder this move created, if any
};

void Undo(const Move& m, Files& files) {
  files.Rename(m.target, m.staged);
  if (m.hadOld) files.Rename(m.backup, m.target);
  if (!m.createdFolder.empty()) files.RemoveAll(m.createdFolder);
}

// The top-most missing folder on the way to `folder`, or empty when it exists.
fs::path FirstMissing(const fs::path& folder, Files& files) {
  fs::path missing;
  for (fs::path p = folder; !p.empty() && !files.Exists(p); p = p.parent_path()) {
    missing = p;
    if (p == p.parent_path()) break;
  }
  return missing;
}

}  // namespace

bool MoveAllIntoPlace(const std::vector<StagedFile>& staged, const fs::path& backupFolder, Files& files) {
  if (!files.CreateFolders(backupFolder)) return false;
  std::vector<Move> done;
  const auto rollBack = [&] {
    for (auto it = done.rbegin(); it != done.rend(); ++it) Undo(*it, files);
    return false;
  };
  for (std::size_t i = 0; i < staged.size(); ++i) {
    Move m;
    m.staged = staged[i].staged;
    m.target = staged[i].target;
    m.backup = backupFolder / std::to_string(i);
    m.hadOld = files.Exists(m.target);
    if (m.hadOld && !files.Rename(m.target, m.backup)) return rollBack();
    m.createdFolder = FirstMissing(m.target.parent_path(), files);
    if (!m.createdFolder.empty() && !files.CreateFolders(m.target.parent_path())) {
      files.RemoveAll(m.createdFolder);
      if (m.hadOld) files.Rename(m.backup, m.target);
      return rollBack();
    }
    if (!files.Rename(m.staged, m.target)) {
      if (m.hadOld) files.Rename(m.backup, m.target);
      if (!m.createdFolder.empty()) files.RemoveAll(m.createdFolder);
      return rollBack();
    }
    done.push_back(m);
  }
  return true;
}

}  // namespace zelvik::update
