// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hand_over.h"

#include <cstdio>

#include "app/instance_marker.h"
#include "platform/processes.h"

namespace zelvik::ui {

bool HandOver(InstanceMarker* marker, const std::filesystem::path& program) {
  if (marker != nullptr) marker->Release();
  PosixProcesses processes;
  if (processes.Start(program)) return true;
  std::fprintf(stderr, "zelvik: cannot start %s\n", program.c_str());
  if (marker != nullptr) marker->Retake();
  return false;
}

}  // namespace zelvik::ui
