// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <vector>

#include "cut_texts.h"

class QPaintDevice;
class QPainter;

// The cutting plan drawn for the saw: one row per pattern, every bar at the same scale, the
// pieces as blocks with their length and label, the cuts as dark gaps, the offcut hatched (kept
// ones green, scrap grey), the cut positions under the bar and "× N" at the right. The window
// and the printed sheet draw with it.
namespace zelvik::print {

struct PlanFonts {
  QFont text;   // caption and piece lengths
  QFont small;  // positions under the bar
  QFont count;  // "× N"
};

// One row's parts, in the device's pixels.
struct PlanRowMetrics {
  qreal caption = 0;  // the line above the bar
  qreal bar = 0;
  qreal ticks = 0;    // the positions under the bar
  qreal gap = 0;      // to the next row
  qreal minCut = 0;   // the narrowest a cut is drawn
  qreal line = 0;     // outline width
  qreal hatch = 0;    // spacing of the hatching
  qreal total() const { return caption + bar + ticks + gap; }
};

class PlanPainter {
 public:
  // The sheet must outlive the painter.
  PlanPainter(const CutSheet& sheet, PlanFonts fonts);

  static PlanRowMetrics MetricsFor(const PlanFonts& fonts, QPaintDevice* device);

  int rows() const { return static_cast<int>(labels_.size()); }
  const PlanFonts& fonts() const { return fonts_; }

  // Pattern `index` in `rect`, whose width is the drawing's: the longest stock length fills it
  // less the room of the count at the right.
  void PaintRow(QPainter& p, int index, const QRectF& rect, const PlanRowMetrics& m) const;

 private:
  // False when the block is too short for its length.
  bool PaintPieceText(QPainter& p, const QRectF& block, const QString& length, const QString& label) const;
  void PaintTicks(QPainter& p, const cutting::Pattern& pattern, qreal left, qreal scale, qreal top,
                  const PlanRowMetrics& m) const;

  const CutSheet& sheet_;
  PlanFonts fonts_;
  std::vector<QStringList> labels_;  // per pattern, per cut
  double longest_ = 0;
};

}  // namespace zelvik::print
