// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "project_info.h"

namespace zelvik::ui {

const char kProgramHelp[] = R"(Usage:
  zelvik
      Opens the steel-weight calculator window.
  zelvik --show
      Brings up the copy that is already running, as the hot key Super+A does, and exits at
      once; starts the program when none runs. Bind it to a desktop shortcut where the
      desktop keeps Super+A for itself.
  zelvik --help
      Prints this help.
  zelvik --version
      Prints the version.

Settings and user-defined sizes live in ConfigMW.ini beside the executable when its folder
is writable, otherwise in $XDG_CONFIG_HOME/zelvik/ (by default ~/.config/zelvik/);
ZELVIK_CONFIG_DIR overrides both. Qt's own options, such as -platform xcb, are understood.
)";

std::optional<int> AnswerInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kProgramHelp, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("zelvik %s\n", kProjectVersion);
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace zelvik::ui
