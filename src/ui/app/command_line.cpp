// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "project_info.h"

namespace zelvik::ui {

const char kProgramHelp[] = R"(Usage:
  zelvik
      Opens the steel-weight calculator window.
  zelvik --show
      Brings up the copy that is already running, as the hot key Super+A does, and exits at
      once; starts the program when none runs. Bind it to a desktop shortcut where the
      desktop keeps Super+A for itself.
  zelvik --lang zh|en
      Shows the interface in Chinese (zh) or English (en). Without it the locale decides:
      the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set; Chinese for zh*,
      English otherwise. May come with any other option.
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

std::optional<int> ReadLanguageOption(int argc, char** argv, std::optional<Language>* language) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::optional<std::string_view> value;
    if (arg == "--lang") {
      value = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
    } else if (arg.starts_with("--lang=")) {
      value = arg.substr(7);
    }
    if (!value) continue;
    *language = ParseLanguageName(*value);
    if (!*language) {
      std::fprintf(stderr, "zelvik: --lang takes zh or en, not '%.*s'\n", static_cast<int>(value->size()),
                   value->data());
      return 2;
    }
  }
  return std::nullopt;
}

}  // namespace zelvik::ui
