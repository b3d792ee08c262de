// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/display_text.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>

#include "common/language.h"

namespace zelvik::ui {

namespace {

bool IsHan(QChar c) { return c.script() == QChar::Script_Han; }

// The translation of a Chinese word of a size name; the word itself when it has none.
QString Term(const QString& word) {
  const QByteArray source = word.toUtf8();
  const QString term = QCoreApplication::translate("SizeTerms", source.constData());
  return term != word ? term : QCoreApplication::translate("Data", source.constData());
}

QString TranslateTerms(const QString& text) {
  QString out;
  qsizetype i = 0;
  while (i < text.size()) {
    if (!IsHan(text.at(i))) {
      out += text.at(i++);
      continue;
    }
    qsizetype end = i;
    while (end < text.size() && IsHan(text.at(end))) ++end;
    const QString word = text.mid(i, end - i);
    const QString term = Term(word);
    // "工20a" reads "I20a", but "φ20钢芯" reads "φ20 IWRC" and "开口销91-2000" "Cotter pin 91-2000".
    const bool setOff = term != word && term.size() > 1;
    if (setOff && !out.isEmpty() && out.back().isLetterOrNumber()) out += QLatin1Char(' ');
    out += term;
    if (setOff && end < text.size() && text.at(end).isLetterOrNumber()) out += QLatin1Char(' ');
    i = end;
  }
  return out;
}

}  // namespace

bool HasHan(const QString& text) { return std::any_of(text.begin(), text.end(), IsHan); }

QString CoreText(std::string_view text) {
  const QByteArray utf8(text.data(), static_cast<qsizetype>(text.size()));
  const QString source = QString::fromUtf8(utf8);
  if (CurrentLanguage() == Language::kChinese || !HasHan(source)) return source;
  const QString whole = QCoreApplication::translate("Data", utf8.constData());
  return whole != source ? whole : TranslateTerms(source);
}

}  // namespace zelvik::ui
