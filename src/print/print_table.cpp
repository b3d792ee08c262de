// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_table.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <numeric>

namespace zelvik::print {

namespace {

constexpr qreal kMmPerInch = 25.4;
constexpr qreal kPaddingMm = 0.8;
// Measured and drawn widths may differ by a rounding; text that just fits must not wrap.
constexpr qreal kSlackMm = 0.4;

QTextOption Wrapping(Qt::Alignment align, bool wrap) {
  QTextOption option(align | Qt::AlignVCenter);
  option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  return option;
}

// The height of the text laid out in lines of the given width, as QPainter lays it out.
qreal WrappedHeight(const QString& text, const QFont& font, QPaintDevice* device, qreal width) {
  QString laid = text;
  laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(laid, font, device);
  layout.setTextOption(Wrapping(Qt::AlignLeft, true));
  const qreal leading = QFontMetricsF(font, device).leading();
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    height += leading;
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

// The widest piece a header keeps whole: "长度(mm)" may break before its unit, "Total weight
// (kg)" between its words, but "Remarks" stays one word.
qreal HeaderMinimum(const QFontMetricsF& fm, const QString& header) {
  qreal widest = 0;
  QString piece;
  for (const QChar c : header) {
    if (c == QLatin1Char(' ') || c == QLatin1Char('(')) {
      widest = std::max(widest, fm.horizontalAdvance(piece));
      piece.clear();
    }
    if (c != QLatin1Char(' ')) piece += c;
  }
  return std::max(widest, fm.horizontalAdvance(piece));
}

qreal WidestLine(const QFontMetricsF& fm, const QString& text) {
  if (!text.contains(QLatin1Char('\n'))) return fm.horizontalAdvance(text);
  qreal w = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, fm.horizontalAdvance(line));
  return w;
}

}  // namespace

TableLayout::TableLayout(const PrintTable& table, const QFont& font, QPaintDevice* device, qreal width)
    : table_(table), font_(font), bold_(font), device_(device) {
  bold_.setBold(true);
  const qreal dpmm = device->logicalDpiX() / kMmPerInch;
  padding_ = kPaddingMm * dpmm;
  const QFontMetricsF fm(font_, device);
  const QFontMetricsF fmBold(bold_, device);
  lineHeight_ = fm.lineSpacing();

  const qsizetype n = table.columns.size();
  QVector<qreal> natural(n), minimum(n);
  // A header may go onto two lines where room is short: its minimum is the piece it keeps whole.
  for (qsizetype c = 0; c < n; ++c) {
    natural[c] = fmBold.horizontalAdvance(table.columns[c].header);
    minimum[c] = HeaderMinimum(fmBold, table.columns[c].header);
  }
  auto measure = [&](const QStringList& cells, const QFontMetricsF& metrics) {
    for (qsizetype c = 0; c < n && c < cells.size(); ++c) {
      const qreal w = WidestLine(metrics, cells[c]);
      natural[c] = std::max(natural[c], w);
      if (!table.columns[c].wrap) minimum[c] = std::max(minimum[c], w);
    }
  };
  for (const QStringList& row : table.rows) measure(row, fm);
  measure(table.totals, fmBold);
  for (qsizetype c = 0; c < n; ++c) {
    // A total stays on one line ("285.375 t" under 备注), whatever the rows above it need.
    const qreal total = c < table.totals.size() ? WidestLine(fmBold, table.totals[c]) : 0;
    if (table.columns[c].wrap) {
      const qreal header = HeaderMinimum(fmBold, table.columns[c].header);
      minimum[c] = std::max({std::min(natural[c], fm.horizontalAdvance(QStringLiteral("中文字"))), total, header});
    }
    natural[c] += 2 * padding_ + kSlackMm * dpmm;
    minimum[c] += 2 * padding_ + kSlackMm * dpmm;
  }

  naturalWidth_ = std::accumulate(natural.begin(), natural.end(), qreal(0));
  if (!table.caption.isEmpty()) naturalWidth_ = std::max(naturalWidth_, fmBold.horizontalAdvance(table.caption));

  // Extra room goes to the text columns; a shortfall is taken from what each column has
  // above its minimum, and beyond that from every column alike.
  widths_ = natural;
  const qreal total = std::accumulate(natural.begin(), natural.end(), qreal(0));
  if (total < width) {
    qreal wrapTotal = 0;
    for (qsizetype c = 0; c < n; ++c) wrapTotal += table.columns[c].wrap ? natural[c] : 0;
    for (qsizetype c = 0; c < n; ++c) {
      if (wrapTotal > 0) {
        if (table.columns[c].wrap) widths_[c] += (width - total) * natural[c] / wrapTotal;
      } else {
        widths_[c] += (width - total) * natural[c] / total;
      }
    }
  } else if (total > width) {
    const qreal floor = std::accumulate(minimum.begin(), minimum.end(), qreal(0));
    if (floor < width) {
      const qreal shrink = (total - width) / (total - floor);
      for (qsizetype c = 0; c < n; ++c) widths_[c] = natural[c] - (natural[c] - minimum[c]) * shrink;
    } else {
      for (qsizetype c = 0; c < n; ++c) widths_[c] = minimum[c] * width / floor;
    }
  }

  if (!table.caption.isEmpty()) captionHeight_ = fmBold.lineSpacing() * 1.6;
  QStringList headers;
  for (const PrintColumn& col : table.columns) headers << col.header;
  headerHeight_ = LinesHeight(headers, true, true);
  rowHeights_.reserve(table.rows.size());
  for (const QStringList& row : table.rows) rowHeights_.push_back(LinesHeight(row, false, false));
  if (!table.totals.isEmpty()) totalsHeight_ = LinesHeight(table.totals, true, false);
}

qreal TableLayout::wholeHeight() const {
  return std::accumulate(rowHeights_.begin(), rowHeights_.end(), captionHeight_ + headerHeight_ + totalsHeight_);
}

qreal TableLayout::LinesHeight(const QStringList& cells, bool bold, bool header) const {
  const QFont& font = bold ? bold_ : font_;
  const QFontMetricsF fm(font, device_);
  qreal height = lineHeight_;
  for (qsizetype c = 0; c < cells.size() && c < widths_.size(); ++c) {
    if (!header && !table_.columns[c].wrap) continue;
    const qreal room = widths_[c] - 2 * padding_;
    const QString& text = cells[c];
    if (text.isEmpty() || (!text.contains(QLatin1Char('\n')) && fm.horizontalAdvance(text) <= room)) continue;
    height = std::max(height, WrappedHeight(text, font, device_, room));
  }
  return height + 2 * padding_;
}

void TableLayout::PaintCells(QPainter& p, const QStringList& cells, qreal top, qreal left, qreal height, bool bold,
                             bool shaded) const {
  p.setFont(bold ? bold_ : font_);
  const QPen grid = p.pen();  // the caller's, for the lines
  qreal x = left;
  for (qsizetype c = 0; c < widths_.size(); ++c) {
    const QRectF cell(x, top, widths_[c], height);
    if (shaded) p.fillRect(cell, QColor(0xEE, 0xEE, 0xEE));
    p.setPen(grid);
    p.drawRect(cell);
    if (c < cells.size() && !cells[c].isEmpty()) {
      p.setPen(Qt::black);
      QString text = cells[c];
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      const Qt::Alignment align = shaded ? Qt::AlignHCenter : table_.columns[c].align;
      p.drawText(cell.adjusted(padding_, padding_, -padding_, -padding_), text,
                 Wrapping(align, shaded || table_.columns[c].wrap));
    }
    x += widths_[c];
  }
  p.setPen(grid);
}

void TableLayout::PaintCaption(QPainter& p, qreal top, qreal left) const {
  p.setFont(bold_);
  p.setPen(Qt::black);
  const qreal width = std::accumulate(widths_.begin(), widths_.end(), qreal(0));
  p.drawText(QRectF(left, top, width, captionHeight_), Qt::AlignLeft | Qt::AlignVCenter, table_.caption);
}

void TableLayout::PaintHeader(QPainter& p, qreal top, qreal left) const {
  QStringList headers;
  for (const PrintColumn& col : table_.columns) headers << col.header;
  PaintCells(p, headers, top, left, headerHeight_, true, true);
}

void TableLayout::PaintRow(QPainter& p, int row, qreal top, qreal left) const {
  PaintCells(p, table_.rows[row], top, left, rowHeights_[row], false, false);
}

void TableLayout::PaintTotals(QPainter& p, qreal top, qreal left) const {
  PaintCells(p, table_.totals, top, left, totalsHeight_, true, false);
}

}  // namespace zelvik::print
