// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace zelvik::ui {

// The lines of `zelvik --help`; each command line starts "  zelvik", descriptions are
// indented by six, as zelvik-cli's are.
extern const char kProgramHelp[];

// Answers --help and --version on standard output before any window system is touched, so
// they work without a display. Returns the exit status when argv asked for one of them;
// nothing when the program should start.
std::optional<int> AnswerInfoOption(int argc, char** argv);

}  // namespace zelvik::ui
