// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/column_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include "tools/tool_fonts.h"

namespace zelvik::ui {

namespace {

bool IsWide(QChar c) { return c.unicode() >= 0x2E80 || c.unicode() == 0x00D7; }

}  // namespace

int TextColumns(QStringView text) {
  int columns = 0;
  for (QChar c : text) columns += IsWide(c) ? 2 : 1;
  return columns;
}

void DrawInColumns(QPainter& painter, const QRect& rect, QStringView text, int unit) {
  const QFontMetrics fm(painter.font());
  const int baseline = rect.top() + (rect.height() - fm.height()) / 2 + fm.ascent();
  int column = 0;
  for (QChar c : text) {
    const int cells = IsWide(c) ? 2 : 1;
    if (c != QLatin1Char(' ')) {
      const QString glyph(c);
      const int x = rect.left() + column * unit + (cells * unit - fm.horizontalAdvance(glyph)) / 2;
      painter.drawText(QPoint(x, baseline), glyph);
    }
    column += cells;
  }
}

QFont FitColumnFont(int unit) {
  QFont font = ColumnFont(10);
  for (int pixels = 4 * unit; pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics fm(font);
    if (fm.horizontalAdvance(QLatin1Char('M')) <= unit && fm.horizontalAdvance(QChar(0x8F74)) <= 2 * unit) break;
  }
  return font;
}

ColumnItemDelegate::ColumnItemDelegate(int unit, QObject* parent) : QStyledItemDelegate(parent), unit_(unit) {}

int ColumnItemDelegate::TextMargin(const QWidget* view) {
  QStyle* style = view ? view->style() : QApplication::style();
  return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

void ColumnItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
  painter->save();
  painter->setFont(opt.font);
  const QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
  DrawInColumns(*painter, opt.rect.adjusted(TextMargin(opt.widget), 0, 0, 0), text, unit_);
  painter->restore();
}

QSize ColumnItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  const QFontMetrics fm(option.font);
  return QSize(TextColumns(text) * unit_ + 2 * TextMargin(option.widget), fm.height() + 2);
}

ColumnLabel::ColumnLabel(const QString& text, int unit, QWidget* parent) : QWidget(parent), text_(text), unit_(unit) {}

void ColumnLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  DrawInColumns(painter, rect(), text_, unit_);
}

}  // namespace zelvik::ui
