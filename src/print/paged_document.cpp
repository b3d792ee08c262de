// SPDX-License-Identifier: GPL-3.0-or-later
#include "paged_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace zelvik::print {

namespace {

constexpr qreal kMmPerInch = 25.4;
constexpr qreal kTablePointSize = 8;
constexpr qreal kTextPointSize = 9;
constexpr qreal kTitlePointSize = 16;
constexpr qreal kFooterPointSize = 8;
constexpr qreal kBlockGapMm = 3;
constexpr qreal kGridGapMm = 5;
constexpr int kMostAcross = 3;

// Where one piece of a block goes on its page.
struct Placement {
  enum class Part { kCaption, kHeader, kRow, kTotals, kText, kDrawing };
  std::size_t block;
  Part part;
  int row;
  qreal top;
  qreal height;
  const TableLayout* table = nullptr;  // of the table parts
  qreal left = 0;
};

}  // namespace

PagedDocument::PagedDocument(PageHeader header) : header_(std::move(header)) {}

void PagedDocument::AddTable(PrintTable table) { blocks_.emplace_back(std::move(table)); }

void PagedDocument::AddTableGrid(QList<PrintTable> tables) { blocks_.emplace_back(Grid{std::move(tables)}); }

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

  std::vector<std::unique_ptr<TableLayout>> layouts;  // every table's, kept for painting
  std::vector<std::vector<Placement>> pages(1);
  qreal y = bodyTop;
  auto place = [&](std::size_t block, Placement::Part part, int row, qreal h, const TableLayout* table = nullptr) {
    pages.back().push_back(Placement{block, part, row, y, h, table});
    y += h;
  };
  auto newPage = [&] {
    pages.emplace_back();
    y = bodyTop;
  };
  auto fits = [&](qreal h) { return y + h <= bodyBottom || y == bodyTop; };
  auto layOut = [&](const PrintTable& table, qreal w) -> const TableLayout& {
    layouts.push_back(std::make_unique<TableLayout>(table, tableFont, &device, w));
    return *layouts.back();
  };

  // A table down the page, split between rows.
  auto flow = [&](std::size_t b, const PrintTable& table) {
    const TableLayout& t = layOut(table, width);
    // The header with at least one row; a table of one row with its totals.
    qreal first = table.rows.size() <= 1 ? t.totalsHeight() : 0;
    if (!table.rows.isEmpty()) first += t.rowHeight(0);
    if (!fits(t.captionHeight() + t.headerHeight() + first)) newPage();
    if (t.captionHeight() > 0) place(b, Placement::Part::kCaption, 0, t.captionHeight(), &t);
    place(b, Placement::Part::kHeader, 0, t.headerHeight(), &t);
    for (int r = 0; r < table.rows.size(); ++r) {
      if (!fits(t.rowHeight(r))) {
        newPage();
        place(b, Placement::Part::kHeader, 0, t.headerHeight(), &t);
      }
      place(b, Placement::Part::kRow, r, t.rowHeight(r), &t);
    }
    if (!table.totals.isEmpty()) {
      if (!fits(t.totalsHeight())) {
        // The last row goes along, so that the totals never stand alone under a header.
        std::vector<Placement>& page = pages.back();
        const auto isRow = [&](const Placement& at) { return at.table == &t && at.part == Placement::Part::kRow; };
        const bool carry = page.size() >= 2 && isRow(page.back()) && isRow(page[page.size() - 2]);
        const int lastRow = table.rows.size() - 1;
        if (carry) page.pop_back();
        newPage();
        place(b, Placement::Part::kHeader, 0, t.headerHeight(), &t);
        if (carry) place(b, Placement::Part::kRow, lastRow, t.rowHeight(lastRow), &t);
      }
      place(b, Placement::Part::kTotals, 0, t.totalsHeight(), &t);
    }
    y += kBlockGapMm * dpmm;
  };

  for (std::size_t b = 0; b < blocks_.size(); ++b) {
    const Block& block = blocks_[b];
    if (const auto* table = std::get_if<PrintTable>(&block)) {
      flow(b, *table);
    } else if (const auto* grid = std::get_if<Grid>(&block)) {
      qreal widest = 0;
      for (const PrintTable& table : grid->tables) {
        widest = std::max(widest, TableLayout(table, tableFont, &device, width).naturalWidth());
      }
      const qreal gap = kGridGapMm * dpmm;
      const int across = std::clamp(static_cast<int>((width + gap) / (widest + gap)), 1, kMostAcross);
      const qreal cell = (width - gap * (across - 1)) / across;
      for (qsizetype first = 0; first < grid->tables.size(); first += across) {
        const qsizetype last = std::min(grid->tables.size(), first + across);
        std::vector<const TableLayout*> row;
        qreal rowHeight = 0;
        for (qsizetype i = first; i < last; ++i) {
          row.push_back(&layOut(grid->tables[i], cell));
          rowHeight = std::max(rowHeight, row.back()->wholeHeight());
        }
        if (rowHeight > bodyBottom - bodyTop) {
          for (qsizetype i = first; i < last; ++i) flow(b, grid->tables[i]);
          continue;
        }
        if (!fits(rowHeight)) newPage();
        const qreal top = y;
        for (std::size_t i = 0; i < row.size(); ++i) {
          const TableLayout& t = *row[i];
          const PrintTable& table = grid->tables[first + static_cast<qsizetype>(i)];
          qreal at = top;
          const auto put = [&](Placement::Part part, int r, qreal h) {
            pages.back().push_back(Placement{b, part, r, at, h, &t, static_cast<qreal>(i) * (cell + gap)});
            at += h;
          };
          if (t.captionHeight() > 0) put(Placement::Part::kCaption, 0, t.captionHeight());
          put(Placement::Part::kHeader, 0, t.headerHeight());
          for (int r = 0; r < table.rows.size(); ++r) put(Placement::Part::kRow, r, t.rowHeight(r));
          if (!table.totals.isEmpty()) put(Placement::Part::kTotals, 0, t.totalsHeight());
        }
        y = top + rowHeight + kBlockGapMm * dpmm;
      }
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
        case Placement::Part::kCaption: at.table->PaintCaption(p, at.top, at.left); break;
        case Placement::Part::kHeader: at.table->PaintHeader(p, at.top, at.left); break;
        case Placement::Part::kRow: at.table->PaintRow(p, at.row, at.top, at.left); break;
        case Placement::Part::kTotals: at.table->PaintTotals(p, at.top, at.left); break;
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

void SetUpPage(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                   QPageLayout::Millimeter));
}

std::optional<QString> WritePdf(const PagedDocument& doc, const QString& title, const QString& path) {
  const QFileInfo target(path);
  const QString temp = target.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp").arg(target.fileName()).arg(getpid()));
  int pages = 0;
  {
    QPdfWriter pdf(temp);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Zelvik"));
    SetUpPage(pdf);
    pages = doc.Print(pdf);
  }
  QFile written(temp);
  if (pages == 0 || !written.exists() || written.size() == 0) {
    written.remove();
    return PagedDocument::tr("无法写入 %1").arg(path);
  }
  bool synced = false;
  if (written.open(QIODevice::ReadOnly)) {
    synced = fsync(written.handle()) == 0;
    written.close();
  }
  if (!synced || ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0) {
    written.remove();
    return PagedDocument::tr("无法写入 %1").arg(path);
  }
  return std::nullopt;
}

}  // namespace zelvik::print
