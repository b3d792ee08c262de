// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include "cutting/cutting_plan.h"

namespace zelvik::ui {

// What the cutting window says of the optimiser's errors and stages.
class CutMessages {
  Q_DECLARE_TR_FUNCTIONS(CutMessages)

 public:
  // `pieceRow`: the pieces table's row (1-based) the error names, 0 when none. The window
  // checks the stock itself, so what the core still finds wrong is in a piece or the total.
  static QString Error(cutting::CutErrorKind kind, int pieceRow);
  static QString Stage(cutting::CutStage stage);
  // "当前最好 15 根（90 m）；下界 88.4 m"
  static QString Progress(const cutting::CutProgress& progress, bool priced, bool singleStock, double stockLength);
};

}  // namespace zelvik::ui
