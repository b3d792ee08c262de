// SPDX-License-Identifier: GPL-3.0-or-later
#include "cut_drawing.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace zelvik::print {

namespace {

constexpr qreal kMmPerInch = 25.4;
constexpr QColor kPieceColours[] = {QColor(0xcf, 0xe2, 0xf3), QColor(0xfd, 0xe4, 0xb8)};
constexpr QColor kCutColour(0x30, 0x30, 0x30);
constexpr QColor kKeptGround(0xdf, 0xf2, 0xd8);
constexpr QColor kKeptLines(0x3d, 0x8b, 0x2f);
constexpr QColor kScrapGround(0xff, 0xff, 0xff);
constexpr QColor kScrapLines(0x99, 0x99, 0x99);
constexpr QColor kCaptionColour(0x20, 0x20, 0x20);
constexpr QColor kTickColour(0x55, 0x55, 0x55);

// Diagonal lines at `spacing` over the rectangle; `cross` adds the other diagonal.
void Hatch(QPainter& p, const QRectF& r, const QColor& ground, const QColor& lines, qreal spacing, qreal width,
           bool cross) {
  if (r.width() <= 0) return;
  p.save();
  p.fillRect(r, ground);
  p.setClipRect(r, Qt::IntersectClip);
  p.setPen(QPen(lines, width));
  const qreal h = r.height();
  for (qreal x = r.left() - h; x < r.right(); x += spacing) {
    p.drawLine(QPointF(x, r.bottom()), QPointF(x + h, r.top()));
    if (cross) p.drawLine(QPointF(x, r.top()), QPointF(x + h, r.bottom()));
  }
  p.restore();
}

// Text on a light box, so that it reads over hatching; nothing when it does not fit.
void BoxedText(QPainter& p, const QRectF& area, const QString& text, const QFont& font, qreal pad) {
  const QFontMetricsF fm(font, p.device());
  const qreal w = fm.horizontalAdvance(text) + 2 * pad;
  const qreal h = fm.height() + pad;
  if (w > area.width() || h > area.height()) return;
  const QRectF box(area.center().x() - w / 2, area.center().y() - h / 2, w, h);
  p.fillRect(box, QColor(255, 255, 255, 225));
  p.setFont(font);
  p.setPen(kCaptionColour);
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

PlanPainter::PlanPainter(const CutSheet& sheet, PlanFonts fonts) : sheet_(sheet), fonts_(std::move(fonts)) {
  for (const cutting::Pattern& pattern : sheet.plan.patterns) {
    labels_.push_back(CutTexts::CutLabels(sheet.plan, sheet.request, pattern));
    longest_ = std::max(longest_, pattern.stockLength);
  }
}

PlanRowMetrics PlanPainter::MetricsFor(const PlanFonts& fonts, QPaintDevice* device) {
  const qreal dpmm = device->logicalDpiX() / kMmPerInch;
  const QFontMetricsF text(fonts.text, device);
  const QFontMetricsF small(fonts.small, device);
  PlanRowMetrics m;
  m.caption = text.lineSpacing() * 1.3;
  m.bar = text.lineSpacing() * 2.4;
  m.ticks = small.lineSpacing() * 1.5;
  m.gap = text.lineSpacing() * 0.6;
  m.minCut = std::max(2.0, 0.35 * dpmm);
  m.line = std::max(1.0, 0.12 * dpmm);
  m.hatch = std::max(6.0, 1.4 * dpmm);
  return m;
}

void PlanPainter::PaintRow(QPainter& p, int index, const QRectF& rect, const PlanRowMetrics& m) const {
  const cutting::Pattern& pattern = sheet_.plan.patterns[static_cast<std::size_t>(index)];
  const QStringList& labels = labels_[static_cast<std::size_t>(index)];
  const double kerf = sheet_.request.kerf;
  const double trim = sheet_.request.trim;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);

  QFont countFont = fonts_.count;
  countFont.setBold(true);
  const QFontMetricsF countMetrics(countFont, p.device());
  const qreal countRoom = countMetrics.horizontalAdvance(QStringLiteral("× 0000")) + m.line * 8;
  const qreal left = rect.left();
  const qreal scale = longest_ > 0 ? std::max(0.0, rect.width() - countRoom) / longest_ : 0;
  const auto x = [&](double mm) { return left + mm * scale; };

  // The caption: the pattern's number and stock, then what is left of each bar.
  QFont bold = fonts_.text;
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(kCaptionColour);
  const QRectF caption(left, rect.top(), rect.width() - countRoom, m.caption);
  const QString head = CutTexts::tr("方案 %1　%2 mm").arg(index + 1).arg(CutTexts::Mm(pattern.stockLength));
  p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, head);
  const qreal headWidth = QFontMetricsF(bold, p.device()).horizontalAdvance(head);
  p.setFont(fonts_.text);
  p.drawText(caption.adjusted(headWidth + countMetrics.averageCharWidth() * 2, 0, 0, 0),
             Qt::AlignLeft | Qt::AlignVCenter, CutTexts::OffcutText(pattern));

  const qreal top = rect.top() + m.caption;
  const QRectF bar(x(0), top, pattern.stockLength * scale, m.bar);
  // The ground shows through where the saw cuts.
  p.fillRect(bar, kCutColour);
  if (trim > 0) {
    Hatch(p, QRectF(x(0), top, trim * scale, m.bar), kScrapGround, kScrapLines, m.hatch, m.line, true);
    Hatch(p, QRectF(x(pattern.stockLength - trim), top, trim * scale, m.bar), kScrapGround, kScrapLines, m.hatch,
          m.line, true);
  }
  // What follows the last piece: the offcut, or a sliver too short for a cut of its own.
  double end = trim;
  for (double cut : pattern.cuts) end += cut + kerf;
  end -= kerf;
  const double usableEnd = pattern.stockLength - trim;
  if (pattern.offcut > 0) {
    const QRectF off(x(usableEnd - pattern.offcut), top, pattern.offcut * scale, m.bar);
    if (pattern.kept) {
      Hatch(p, off, kKeptGround, kKeptLines, m.hatch, m.line, false);
    } else {
      Hatch(p, off, kScrapGround, kScrapLines, m.hatch, m.line, true);
    }
    const QString what = pattern.kept ? CutTexts::tr("余料 %1").arg(CutTexts::Mm(pattern.offcut))
                                      : CutTexts::tr("废料 %1").arg(CutTexts::Mm(pattern.offcut));
    BoxedText(p, off.adjusted(m.line, m.line, -m.line, -m.line), what, fonts_.small, m.line * 2);
  } else if (usableEnd - end > kerf) {
    Hatch(p, QRectF(x(end + kerf), top, (usableEnd - end - kerf) * scale, m.bar), kScrapGround, kScrapLines,
          m.hatch, m.line, true);
  }

  // The pieces, each shortened by half a drawn cut where a cut meets it, so that even a
  // kerf far below a pixel shows as a gap.
  const qreal halfCut = std::max(kerf * scale, m.minCut) / 2 - kerf * scale / 2;
  double position = trim;
  std::size_t runStart = 0;  // alike pieces in a row, named together where each is too short to name
  double runLeft = x(position);
  bool runNamed = true;
  for (std::size_t c = 0; c < pattern.cuts.size(); ++c) {
    const double length = pattern.cuts[c];
    QRectF block(x(position), top, length * scale, m.bar);
    const bool cutBefore = c > 0 || trim > 0;
    const bool cutAfter = position + length < pattern.stockLength - 1e-6;
    block.adjust(cutBefore ? halfCut : 0, 0, cutAfter ? -halfCut : 0, 0);
    p.fillRect(block, kPieceColours[c % 2]);
    const QString& label = labels[static_cast<qsizetype>(c)];
    runNamed = PaintPieceText(p, block, CutTexts::Mm(length), label) && runNamed;
    position += length + kerf;
    const bool runEnds = c + 1 == pattern.cuts.size() || pattern.cuts[c + 1] != length ||
                         labels[static_cast<qsizetype>(c + 1)] != label;
    if (!runEnds) continue;
    if (!runNamed && c > runStart) {
      const QString run = CutTexts::tr("%1 × %2").arg(CutTexts::Mm(length)).arg(c + 1 - runStart);
      BoxedText(p, QRectF(runLeft, top, block.right() - runLeft, m.bar), run, bold, m.line * 2);
    }
    runStart = c + 1;
    runLeft = x(position);
    runNamed = true;
  }
  p.setPen(QPen(Qt::black, m.line));
  p.setBrush(Qt::NoBrush);
  p.drawRect(bar);

  PaintTicks(p, pattern, left, scale, top + m.bar, m);

  p.setFont(countFont);
  p.setPen(Qt::black);
  p.drawText(QRectF(rect.right() - countRoom, top, countRoom, m.bar), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("× %1").arg(pattern.count));
  p.restore();
}

bool PlanPainter::PaintPieceText(QPainter& p, const QRectF& block, const QString& length, const QString& label) const {
  QFont bold = fonts_.text;
  bold.setBold(true);
  const QFontMetricsF fm(bold, p.device());
  const QFontMetricsF plain(fonts_.text, p.device());
  const qreal pad = fm.averageCharWidth() * 0.3;
  const qreal room = block.width() - 2 * pad;
  p.setPen(Qt::black);
  if (fm.horizontalAdvance(length) <= room) {
    const bool withLabel = !label.isEmpty() && block.height() >= fm.height() + plain.height();
    const QString shown = withLabel ? plain.elidedText(label, Qt::ElideRight, room) : QString();
    const bool twoLines = withLabel && shown != QStringLiteral("…");
    const qreal lineTop = block.center().y() - (twoLines ? (fm.height() + plain.height()) / 2 : fm.height() / 2);
    p.setFont(bold);
    p.drawText(QRectF(block.left(), lineTop, block.width(), fm.height()), Qt::AlignCenter, length);
    if (twoLines) {
      p.setFont(fonts_.text);
      p.drawText(QRectF(block.left(), lineTop + fm.height(), block.width(), plain.height()), Qt::AlignCenter, shown);
    }
    return true;
  }
  // A short piece: its length upright when the block is as wide as a line.
  if (fm.height() <= block.width() && fm.horizontalAdvance(length) <= block.height() - 2 * pad) {
    p.save();
    p.translate(block.center());
    p.rotate(-90);
    p.setFont(bold);
    p.drawText(QRectF(-block.height() / 2, -block.width() / 2, block.height(), block.width()), Qt::AlignCenter, length);
    p.restore();
    return true;
  }
  return false;
}

// The position of every cut from the bar's start, so that the saw can be set by tape; a
// position that would overlap the one before it is left to the table.
void PlanPainter::PaintTicks(QPainter& p, const cutting::Pattern& pattern, qreal left, qreal scale, qreal top,
                             const PlanRowMetrics& m) const {
  const QFontMetricsF fm(fonts_.small, p.device());
  const qreal tick = m.ticks * 0.3;
  p.setFont(fonts_.small);
  qreal freeFrom = left - 1e9;
  double position = sheet_.request.trim;
  std::vector<double> marks;
  if (sheet_.request.trim > 0) marks.push_back(position);
  for (double cut : pattern.cuts) {
    position += cut;
    marks.push_back(position);
    position += sheet_.request.kerf;
  }
  const qreal lastX = left + pattern.stockLength * scale;
  for (double mark : marks) {
    if (mark >= pattern.stockLength - 1e-6) continue;
    const qreal at = left + mark * scale;
    const QString text = CutTexts::Mm(mark);
    const qreal w = fm.horizontalAdvance(text);
    // Centred under the cut, pulled inside the bar at its ends.
    const qreal textLeft = std::clamp(at - w / 2, left, lastX - w);
    p.setPen(QPen(kTickColour, m.line));
    p.drawLine(QPointF(at, top), QPointF(at, top + tick));
    if (textLeft < freeFrom) continue;
    p.drawText(QRectF(textLeft, top + tick, w, m.ticks - tick), Qt::AlignLeft | Qt::AlignVCenter, text);
    freeFrom = textLeft + w + fm.averageCharWidth();
  }
}

}  // namespace zelvik::print
