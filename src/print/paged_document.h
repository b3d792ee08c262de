// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "print_table.h"

class QPagedPaintDevice;
class QPainter;

// A printed document: blocks (tables, lines of text, drawings) flowed onto pages, each page
// in the same frame: the title, the date and a few fields at the top, "第 N 页 / 共 M 页" at
// the foot. Prints on any paged device: a QPrinter, a QPdfWriter.
namespace zelvik::print {

struct PageHeader {
  QString title;
  QString date;                           // "2024-05-01", at the right under the title
  QList<QPair<QString, QString>> fields;  // label and value at the left; empty values left out
};

class PagedDocument {
  Q_DECLARE_TR_FUNCTIONS(PagedDocument)

 public:
  explicit PagedDocument(PageHeader header);

  void AddTable(PrintTable table);  // split between rows, its header repeated on each page
  // Small tables side by side, as many as the widest of them allows across the page, each row
  // of them kept on one page; one taller than a page flows as AddTable's do.
  void AddTableGrid(QList<PrintTable> tables);
  void AddText(QString text, bool bold = false);  // wrapped to the width, kept on one page
  // A drawing kept on one page; `paint` gets the rectangle it may fill, in device pixels.
  void AddDrawing(qreal heightMm, std::function<void(QPainter&, const QRectF&)> paint);
  void AddSpace(qreal heightMm);

  // Lays the blocks out on the device's pages and paints them. Returns the number of pages,
  // 0 when the device cannot be painted on.
  int Print(QPagedPaintDevice& device) const;

  // The font of printed documents: a family that has Chinese glyphs, so that they are
  // embedded in a PDF.
  static QFont DocumentFont(qreal pointSize);

 private:
  struct Text {
    QString text;
    bool bold;
  };
  struct Drawing {
    qreal heightMm;
    std::function<void(QPainter&, const QRectF&)> paint;
  };
  struct Space {
    qreal heightMm;
  };
  struct Grid {
    QList<PrintTable> tables;
  };
  using Block = std::variant<PrintTable, Text, Drawing, Space, Grid>;

  PageHeader header_;
  std::vector<Block> blocks_;
};

// A4 portrait with the margins printed documents use.
void SetUpPage(QPagedPaintDevice& device);

// Writes the document as an A4 PDF file with its fonts embedded; the file appears whole or
// not at all. Returns the reason when it cannot be written.
std::optional<QString> WritePdf(const PagedDocument& doc, const QString& title, const QString& path);

}  // namespace zelvik::print
