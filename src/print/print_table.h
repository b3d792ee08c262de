// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;
class QPaintDevice;

// A table to print: columns sized to their texts within the page's width, text that does
// not fit wrapped, the header row repeated on every page the table runs onto.
namespace zelvik::print {

struct PrintColumn {
  QString header;
  Qt::Alignment align = Qt::AlignLeft;
  bool wrap = false;  // may wrap onto more lines (text); otherwise kept on one line (numbers)
};

struct PrintTable {
  QString caption;              // a bold line above the table; empty for none
  QList<PrintColumn> columns;
  QList<QStringList> rows;
  QStringList totals;           // a bold last row; empty for none
};

// Column widths and row heights of a table for one device and width, in device pixels.
class TableLayout {
 public:
  TableLayout(const PrintTable& table, const QFont& font, QPaintDevice* device, qreal width);

  // As wide as the texts need, the caption included, before any widening to the width given.
  qreal naturalWidth() const { return naturalWidth_; }
  // Caption, header, every row and the totals.
  qreal wholeHeight() const;
  qreal captionHeight() const { return captionHeight_; }
  qreal headerHeight() const { return headerHeight_; }
  qreal rowHeight(int row) const { return rowHeights_[row]; }
  qreal totalsHeight() const { return totalsHeight_; }

  void PaintCaption(QPainter& p, qreal top, qreal left) const;
  void PaintHeader(QPainter& p, qreal top, qreal left) const;
  void PaintRow(QPainter& p, int row, qreal top, qreal left) const;
  void PaintTotals(QPainter& p, qreal top, qreal left) const;

 private:
  qreal LinesHeight(const QStringList& cells, bool bold, bool header) const;
  void PaintCells(QPainter& p, const QStringList& cells, qreal top, qreal left, qreal height, bool bold,
                  bool shaded) const;

  const PrintTable& table_;
  QFont font_;
  QFont bold_;
  QPaintDevice* device_;
  qreal padding_;
  qreal naturalWidth_ = 0;
  qreal lineHeight_;
  QVector<qreal> widths_;
  qreal captionHeight_ = 0;
  qreal headerHeight_ = 0;
  qreal totalsHeight_ = 0;
  QVector<qreal> rowHeights_;
};

}  // namespace zelvik::print
