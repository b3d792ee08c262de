// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "common/language.h"

namespace zelvik::ui {

// The lines of `zelvik --help`; each command line starts "  zelvik", descriptions are
// indented by six, as zelvik-cli's are.
extern const char kProgramHelp[];

// Answers --help and --version on standard output before any window system is touched, so
// they work without a display. Returns the exit status when argv asked for one of them;
// nothing when the program should start.
std::optional<int> AnswerInfoOption(int argc, char** argv);

// Reads "--lang zh|en" (or "--lang=en") into *language, left alone when argv has none. A
// missing or unknown value is bad usage: one line on standard error and exit status 2.
std::optional<int> ReadLanguageOption(int argc, char** argv, std::optional<Language>* language);

}  // namespace zelvik::ui
