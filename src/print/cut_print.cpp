// SPDX-License-Identifier: GPL-3.0-or-later
#include "cut_print.h"

#include <QImage>
#include <QPainter>

#include <memory>

#include "cut_drawing.h"

namespace zelvik::print {

namespace {

constexpr qreal kMmPerInch = 25.4;

PlanFonts PaperFonts() {
  PlanFonts fonts{PagedDocument::DocumentFont(8.5), PagedDocument::DocumentFont(6.5), PagedDocument::DocumentFont(11)};
  return fonts;
}

// A row's height on paper: fonts scale with the device, so a 96 dpi image measures it.
qreal RowHeightMm(const PlanFonts& fonts) {
  QImage probe(1, 1, QImage::Format_RGB32);
  const PlanRowMetrics m = PlanPainter::MetricsFor(fonts, &probe);
  return m.total() / (probe.logicalDpiY() / kMmPerInch);
}

}  // namespace

PagedDocument CutPrintDocument(const CutSheet& sheet, const QString& date) {
  const cutting::CutRequest& r = sheet.request;
  PageHeader header;
  header.title = CutTexts::Title();
  header.date = date;
  const QString mm = QStringLiteral(" mm");
  header.fields = {{CutTexts::tr("规格："), sheet.spec},
                   {CutTexts::tr("锯缝："), CutTexts::Mm(r.kerf) + mm},
                   {CutTexts::tr("端头："), r.trim > 0 ? CutTexts::Mm(r.trim) + mm : QString()},
                   {CutTexts::tr("保留余料："), r.keepMin > 0 ? QStringLiteral("≥ ") + CutTexts::Mm(r.keepMin) + mm : QString()}};
  PagedDocument doc(header);
  const cutting::CutPlan& plan = sheet.plan;
  doc.AddText(CutTexts::BuyLine(plan), true);
  doc.AddText(CutTexts::UseLine(plan));
  if (const QString weight = CutTexts::WeightLine(plan); !weight.isEmpty()) doc.AddText(weight);
  doc.AddText(CutTexts::BoundLine(plan, r), true);
  doc.AddSpace(4);

  // One drawing block per pattern, so that the drawing breaks between bars.
  auto painter = std::make_shared<PlanPainter>(sheet, PaperFonts());
  const qreal rowMm = RowHeightMm(painter->fonts());
  for (int i = 0; i < painter->rows(); ++i) {
    doc.AddDrawing(rowMm, [painter, i](QPainter& p, const QRectF& rect) {
      painter->PaintRow(p, i, rect, PlanPainter::MetricsFor(painter->fonts(), p.device()));
    });
  }
  doc.AddSpace(3);
  QList<PrintTable> tables;
  for (int i = 0; i < painter->rows(); ++i) tables << CutTexts::PatternTable(sheet, i);
  doc.AddTableGrid(std::move(tables));
  return doc;
}

std::optional<QString> WriteCutPdf(const CutSheet& sheet, const QString& date, const QString& path) {
  return WritePdf(CutPrintDocument(sheet, date), CutTexts::Title(), path);
}

}  // namespace zelvik::print
