// SPDX-License-Identifier: GPL-3.0-or-later
#include "paged_document.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

namespace zelvik::print {

namespace {

constexpr qreal kMmPerInch = 25.4;
constexpr qreal kTablePointSize = 8;
constexpr qreal kTextPointSize = 9;
constexpr qreal kTitlePointSize = 16;
constexpr qreal kFooterPointSize = 8;
constexpr qreal kBlockGapMm = 3;

// Where one piece of a block goes on its page.
struct Placement {
  enum class Part { kCaption, kHeader, kRow, kTotals, kText, kDrawing };
  std::size_t block;
  Part part;
  int row;
  qreal top;
  qreal height;
};

}  // namespace

PagedDocument::PagedDocument(PageHeader header) : header_(std::move(header)) {}

void PagedDocument::AddTable(PrintTable table) { blocks_.emplace_back(std::move(table)); }

void PagedDocument::AddText(QString text, bool bold) { blocks_.emplace_back(Text{std::move(text), bold}); }

void PagedDocument::AddDrawing(qreal heightMm, std::function<void(QPainter&, const QRectF&)> paint) {
  blocks_.emplace_back(Drawing{heightMm, std::move(paint)});
}

void PagedDocument::AddSpace(qreal heightMm) { blocks_.emplace_back(Space{heightMm}); }

QFont PagedDocument::DocumentFont(qreal pointSize) {
  static const QStringList kChineseFamilies = {
      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei"),
      QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN"),
  };
  QFont font;
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : kChineseFamilies) {
    if (installed.contains(family)) {
      font.setFamily(family);
      break;
    }
  }
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  return font;
}

int PagedDocument::Print(QPagedPaintDevice& device) const {
  QPainter p;
  if (!p.begin(&device)) return 0;
  const qreal dpmm = device.logicalDpiX() / kMmPerInch;
  const qreal width = device.width();
  const qreal height = device.height();
  const QFont tableFont = DocumentFont(kTablePointSize);
  const QFont textFont = DocumentFont(kTextPointSize);
  QFont titleFont = DocumentFont(kTitlePointSize);
  titleFont.setBold(true);
  const QFont footerFont = DocumentFont(kFooterPointSize);

  // The frame: the title line, the line of fields and date, a rule; the page number below.
  const qreal titleHeight = QFontMetricsF(titleFont, &device).lineSpacing() * 1.3;
  const qreal fieldsHeight = QFontMetricsF(textFont, &device).lineSpacing() * 1.4;
  const qreal bodyTop = titleHeight + fieldsHeight + 2 * dpmm;
  const qreal footerHeight = QFontMetricsF(footerFont, &device).lineSpacing() * 2;
  const qreal bodyBottom = height - footerHeight;

  std::vector<std::unique_ptr<TableLayout>> layouts(blocks_.size());
  std::vector<std::vector<Placement>> pages(1);
  qreal y = bodyTop;
  auto place = [&](std::size_t block, Placement::Part part, int row, qreal h) {
    pages.back().push_back(Placement{block, part, row, y, h});
    y += h;
  };
  auto newPage = [&] {
    pages.emplace_back();
    y = bodyTop;
  };
  auto fits = [&](qreal h) { return y + h <= bodyBottom || y == bodyTop; };

  for (std::size_t b = 0; b < blocks_.size(); ++b) {
    const Block& block = blocks_[b];
    if (const auto* table = std::get_if<PrintTable>(&block)) {
      layouts[b] = std::make_unique<TableLayout>(*table, tableFont, &device, width);
      const TableLayout& t = *layouts[b];
      // The header with at least one row; a table of one row with its totals.
      qreal first = table->rows.size() <= 1 ? t.totalsHeight() : 0;
      if (!table->rows.isEmpty()) first += t.rowHeight(0);
      if (!fits(t.captionHeight() + t.headerHeight() + first)) newPage();
      if (t.captionHeight() > 0) place(b, Placement::Part::kCaption, 0, t.captionHeight());
      place(b, Placement::Part::kHeader, 0, t.headerHeight());
      for (int r = 0; r < table->rows.size(); ++r) {
        if (!fits(t.rowHeight(r))) {
          newPage();
          place(b, Placement::Part::kHeader, 0, t.headerHeight());
        }
        place(b, Placement::Part::kRow, r, t.rowHeight(r));
      }
      if (!table->totals.isEmpty()) {
        if (!fits(t.totalsHeight())) {
          // The last row goes along, so that the totals never stand alone under a header.
          std::vector<Placement>& page = pages.back();
          const auto isRow = [&](const Placement& at) { return at.block == b && at.part == Placement::Part::kRow; };
          const bool carry = page.size() >= 2 && isRow(page.back()) && isRow(page[page.size() - 2]);
          const int lastRow = table->rows.size() - 1;
          if (carry) page.pop_back();
          newPage();
          place(b, Placement::Part::kHeader, 0, t.headerHeight());
          if (carry) place(b, Placement::Part::kRow, lastRow, t.rowHeight(lastRow));
        }
        place(b, Placement::Part::kTotals, 0, t.totalsHeight());
      }
      y += kBlockGapMm * dpmm;
    } else if (const auto* text = std::get_if<Text>(&block)) {
      QFont font = textFont;
      font.setBold(text->bold);
      const qreal h = QFontMetricsF(font, &device)
                          .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text->text)
                          .height();
      if (!fits(h)) newPage();
      place(b, Placement::Part::kText, 0, h);
    } else if (const auto* drawing = std::get_if<Drawing>(&block)) {
      const qreal h = std::min(drawing->heightMm * dpmm, bodyBottom - bodyTop);
      if (!fits(h)) newPage();
      place(b, Placement::Part::kDrawing, 0, h);
    } else if (const auto* space = std::get_if<Space>(&block)) {
      y = std::min(y + space->heightMm * dpmm, bodyBottom);
    }
  }

  const QPen gridPen(QColor(0x55, 0x55, 0x55), 0.15 * dpmm);
  const int pageCount = static_cast<int>(pages.size());
  for (int i = 0; i < pageCount; ++i) {
    if (i > 0) device.newPage();
    p.setPen(Qt::black);
    p.setFont(titleFont);
    p.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignHCenter | Qt::AlignVCenter, header_.title);
    p.setFont(textFont);
    const QRectF fieldsRect(0, titleHeight, width, fieldsHeight);
    QStringList fields;
    for (const auto& [label, value] : header_.fields) {
      if (!value.isEmpty()) fields << label + value;
    }
    p.drawText(fieldsRect, Qt::AlignLeft | Qt::AlignVCenter, fields.join(QStringLiteral("    ")));
    if (!header_.date.isEmpty()) {
      p.drawText(fieldsRect, Qt::AlignRight | Qt::AlignVCenter, tr("日期：%1").arg(header_.date));
    }
    p.setPen(QPen(Qt::black, 0.3 * dpmm));
    p.drawLine(QPointF(0, titleHeight + fieldsHeight), QPointF(width, titleHeight + fieldsHeight));
    p.setFont(footerFont);
    p.setPen(QColor(0x44, 0x44, 0x44));
    p.drawText(QRectF(0, bodyBottom, width, footerHeight), Qt::AlignHCenter | Qt::AlignBottom,
               tr("第 %1 页 / 共 %2 页").arg(i + 1).arg(pageCount));

    for (const Placement& at : pages[static_cast<std::size_t>(i)]) {
      const Block& block = blocks_[at.block];
      p.setPen(gridPen);
      switch (at.part) {
        case Placement::Part::kCaption: layouts[at.block]->PaintCaption(p, at.top, 0); break;
        case Placement::Part::kHeader: layouts[at.block]->PaintHeader(p, at.top, 0); break;
        case Placement::Part::kRow: layouts[at.block]->PaintRow(p, at.row, at.top, 0); break;
        case Placement::Part::kTotals: layouts[at.block]->PaintTotals(p, at.top, 0); break;
        case Placement::Part::kText: {
          const auto& text = std::get<Text>(block);
          QFont font = textFont;
          font.setBold(text.bold);
          p.setFont(font);
          p.setPen(Qt::black);
          p.drawText(QRectF(0, at.top, width, at.height), Qt::TextWordWrap, text.text);
          break;
        }
        case Placement::Part::kDrawing:
          p.save();
          std::get<Drawing>(block).paint(p, QRectF(0, at.top, width, at.height));
          p.restore();
          break;
      }
    }
  }
  p.end();
  return pageCount;
}

}  // namespace zelvik::print
