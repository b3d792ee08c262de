// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

namespace zelvik::ui {

namespace {

Language current = Language::kChinese;
QTranslator* ownTranslation = nullptr;
QTranslator* qtTranslation = nullptr;

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

void Remove(QCoreApplication& app, QTranslator*& translator) {
  if (translator == nullptr) return;
  app.removeTranslator(translator);
  delete translator;
  translator = nullptr;
}

}  // namespace

Language LanguageOfLocale(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {language, lcAll, lcMessages, lang}) {
    if (!IsSet(value)) continue;
    // LANGUAGE is a list of preferences, "zh_CN:en"; the first one counts.
    const std::string_view first = std::string_view(value).substr(0, std::string_view(value).find(':'));
    return first.starts_with("zh") ? Language::kChinese : Language::kEnglish;
  }
  return Language::kEnglish;
}

Language LanguageFromEnvironment() {
  return LanguageOfLocale(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                          std::getenv("LANG"));
}

std::optional<Language> ParseLanguageName(std::string_view name) {
  if (name == "zh") return Language::kChinese;
  if (name == "en") return Language::kEnglish;
  return std::nullopt;
}

void InstallLanguage(QCoreApplication& app, Language language) {
  Remove(app, ownTranslation);
  Remove(app, qtTranslation);
  current = language;
  const QLocale locale = language == Language::kChinese ? QLocale(QLocale::Chinese, QLocale::China)
                                                        : QLocale(QLocale::English, QLocale::UnitedStates);
  // The file dialog's dates and Qt's own texts follow; the program formats its numbers itself.
  QLocale::setDefault(locale);
  if (language == Language::kEnglish) {
    ownTranslation = new QTranslator(&app);
    if (ownTranslation->load(QStringLiteral(":/i18n/zelvik_en.qm"))) {
      app.installTranslator(ownTranslation);
    } else {
      Remove(app, ownTranslation);
    }
  }
  // qtbase_zh_CN.qm of qt6-translations-l10n; Qt's own source texts are English.
  qtTranslation = new QTranslator(&app);
  if (qtTranslation->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qtTranslation);
  } else {
    Remove(app, qtTranslation);
  }
}

Language CurrentLanguage() { return current; }

}  // namespace zelvik::ui
