// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "cutting/cutting_plan.h"
#include "print_table.h"

// The words and numbers of a cutting plan, the same in the window, on paper and in the text
// copied from it.
namespace zelvik::print {

// A plan with what it was asked for: the pieces' labels, kerf, trim and stock come from the
// request.
struct CutSheet {
  cutting::CutRequest request;
  cutting::CutPlan plan;
  QString spec;  // the canonical spec text and its unit weight; empty when none was given
};

class CutTexts {
  Q_DECLARE_TR_FUNCTIONS(CutTexts)

 public:
  static QString Title() { return tr("下料优化"); }
  // The spec as the sheet names it: "∠50×50×5（3.770 kg/m）".
  static QString SpecText(const QString& canonical, double unitWeight);

  // Millimetres to 0.1 mm without trailing zeros: "2350", "2350.5".
  static QString Mm(double mm);
  // Metres to the millimetre without trailing zeros: "99", "1.52".
  static QString Metres(double mm);

  // "需购原料：6000 mm × 12 根，9000 mm × 3 根；共 15 根，99 m"
  static QString BuyLine(const cutting::CutPlan& plan);
  // Utilisation, scrap and kept offcuts.
  static QString UseLine(const cutting::CutPlan& plan);
  // Weight and cost of the stock bought; empty when neither is known.
  static QString WeightLine(const cutting::CutPlan& plan);
  // "最优", or how far the plan can be from the best one.
  static QString BoundLine(const cutting::CutPlan& plan, const cutting::CutRequest& request);

  // "方案 1　原料 6000 mm × 7 根"
  static QString PatternCaption(int number, const cutting::Pattern& pattern);
  // "余料 1974 mm（保留）", "废料 91 mm", "无余料"
  static QString OffcutText(const cutting::Pattern& pattern);
  // The label of each cut of a pattern: the labels its bars carry there, "/" between
  // different ones; empty where the pieces have none.
  static QStringList CutLabels(const cutting::CutPlan& plan, const cutting::CutRequest& request,
                               const cutting::Pattern& pattern);
  static bool HasLabels(const cutting::CutRequest& request);

  // The saw's table of one pattern: each cut with its start and end on the bar, the offcut last.
  static PrintTable PatternTable(const CutSheet& sheet, int pattern);

  // The plan as tab-separated text for a spreadsheet or a message: the summary, then one line
  // per pattern.
  static QString PlanText(const CutSheet& sheet);
};

}  // namespace zelvik::print
