// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core_message.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "common/display_text.h"
#include "common/language.h"

namespace zelvik::ui {

namespace {

// How an argument of a pattern is shown.
enum class Arg { kAsTyped, kCoreName, kMessage, kNames };

struct Pattern {
  const char* source;
  std::vector<Arg> args;
};

// The patterns the core's list, list-file and spec readers compose their messages from; a
// "%n" stands for what the core puts in.
const std::vector<Pattern>& Patterns() {
  static const std::vector<Pattern> patterns = {
      {QT_TRANSLATE_NOOP("CoreMessage", "%1（是否为：%2）"), {Arg::kMessage, Arg::kNames}},
      {QT_TRANSLATE_NOOP("CoreMessage", "长度为空"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "长度 %1 不是大于 0 的数"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "长度 %1 太大"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "数量 %1 不是不小于 1 的整数"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "数量 %1 太大"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "单价 %1 不是不小于 0 的数"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "单价 %1 太大"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "计价方式 %1 不是 元/吨、元/千克、元/米 或 元/件"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "元/米 计价需要长度，此规格没有长度"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "规格为空"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "密度 %1 不是大于 0 的数"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "数量为空"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "此规格没有长度"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "计价方式为空"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "此列不能编辑"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "引号结束后还有字符"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "引号没有结束"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "列 %1 出现了两次"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "表头没有 规格 列"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "表头没有 数量 列"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "文件太大"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "文件是 UTF-16 文本，请另存为 CSV (UTF-8 或 GBK)"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "文件既不是 UTF-8 也不是 GBK 文本"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "文件是空的，没有表头"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "文件不存在"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "无法读取文件"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "规格 \"%1\" 按面积计重，请写明板面宽×长（毫米），如 \"%2\""),
       {Arg::kCoreName, Arg::kCoreName}},
      {QT_TRANSLATE_NOOP("CoreMessage", "按面积计重，清单的行要有板面的宽×长：请在规格栏写如 \"%1\""), {Arg::kCoreName}},
      {QT_TRANSLATE_NOOP("CoreMessage", "外径须大于 0"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "内径须小于外径"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "钢板的长、宽、厚须大于 0"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "没有选择规格"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "密度须大于 0"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "规格 \"%1\" 读作%2，不是%3"), {Arg::kAsTyped, Arg::kCoreName, Arg::kCoreName}},
      {QT_TRANSLATE_NOOP("CoreMessage", "请输入规格"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "看不懂的规格：%1"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "没有这个规格：%1"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "规格不唯一：%1"), {Arg::kAsTyped}},
      {QT_TRANSLATE_NOOP("CoreMessage", "尺寸不对：%1"), {Arg::kMessage}},
      {QT_TRANSLATE_NOOP("CoreMessage", "壁厚为0"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "壁厚大于外径的一半"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "外径为0"), {}},
      {QT_TRANSLATE_NOOP("CoreMessage", "尺寸为0"), {}},
  };
  return patterns;
}

// The pattern as an anchored expression, each "%n" capturing what stands in its place.
QRegularExpression Expression(const QString& source) {
  static const QRegularExpression placeholder(QStringLiteral("%\\d"));
  QString expr = QStringLiteral("^");
  qsizetype at = 0;
  for (auto it = placeholder.globalMatch(source); it.hasNext();) {
    const auto m = it.next();
    expr += QRegularExpression::escape(source.mid(at, m.capturedStart() - at)) + QStringLiteral("(.+?)");
    at = m.capturedEnd();
  }
  expr += QRegularExpression::escape(source.mid(at)) + QLatin1Char('$');
  return QRegularExpression(expr, QRegularExpression::DotMatchesEverythingOption);
}

QString Shown(const QString& message);

QString ShownArg(Arg kind, const QString& text) {
  switch (kind) {
    case Arg::kAsTyped: return text;
    case Arg::kCoreName: return CoreText(text.toStdString());
    case Arg::kMessage: return Shown(text);
    case Arg::kNames: {
      QStringList names;
      for (const QString& name : text.split(QStringLiteral("、"))) names << CoreText(name.toStdString());
      return names.join(QCoreApplication::translate("CoreMessage", "、"));
    }
  }
  return text;
}

QString Shown(const QString& message) {
  static const std::vector<QRegularExpression> expressions = [] {
    std::vector<QRegularExpression> out;
    for (const Pattern& p : Patterns()) out.push_back(Expression(QString::fromUtf8(p.source)));
    return out;
  }();
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  for (std::size_t i = 0; i < expressions.size(); ++i) {
    const QRegularExpressionMatch m = expressions[i].match(message);
    if (!m.hasMatch()) continue;
    const Pattern& pattern = Patterns()[i];
    // Put in by hand, not with arg(): a typed text may itself hold "%1".
    const QString translated = QCoreApplication::translate("CoreMessage", pattern.source);
    QString shown;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(translated); it.hasNext();) {
      const auto p = it.next();
      const auto n = static_cast<std::size_t>(p.captured(1).toInt());
      shown += translated.mid(at, p.capturedStart() - at);
      shown += n >= 1 && n <= pattern.args.size() ? ShownArg(pattern.args[n - 1], m.captured(static_cast<int>(n)))
                                                   : p.captured();
      at = p.capturedEnd();
    }
    return shown + translated.mid(at);
  }
  return message;
}

}  // namespace

QString CoreMessage(std::string_view message) {
  const QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
  return CurrentLanguage() == Language::kChinese ? text : Shown(text);
}

}  // namespace zelvik::ui
