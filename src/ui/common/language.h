// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

class QCoreApplication;

namespace zelvik::ui {

// The interface's language. Chinese is the source of every text; English is a translation.
enum class Language { kChinese, kEnglish };

// The language the locale asks for: the first of LANGUAGE (its first entry), LC_ALL,
// LC_MESSAGES and LANG that is set and not empty decides, Chinese for "zh…", English for
// anything else; English when none is set. Null pointers stand for unset variables.
Language LanguageOfLocale(const char* language, const char* lcAll, const char* lcMessages, const char* lang);
Language LanguageFromEnvironment();

// "zh" or "en", the values of `zelvik --lang`.
std::optional<Language> ParseLanguageName(std::string_view name);

// The program's translation for the language (none for Chinese), Qt's own (qtbase, so the
// file and print dialogs match) and Qt's default locale. Again with another language, the
// earlier translations are removed first.
void InstallLanguage(QCoreApplication& app, Language language);

// The language installed last; Chinese before any.
Language CurrentLanguage();
inline bool IsEnglish() { return CurrentLanguage() == Language::kEnglish; }

}  // namespace zelvik::ui
