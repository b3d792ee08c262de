// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <array>

#include "pages/weight_page.h"

namespace zelvik::ui {

// Page three: hexagonal, octagonal and reinforcing bar; cold-formed angle, channel and Z.
class CPageThree : public CWeightPage {
  Q_OBJECT

 public:
  CPageThree(PageHost* host, QWidget* parent);

  void RecomputeAll() override;
  void ResetPage() override;

  // The six compute operations, in the main window's order.
  void CalcHexBar();
  void CalcOctBar();
  void CalcRebar();
  void CalcColdAngle();
  void CalcColdChannel();
  void CalcColdZ();

 private:
  enum Calc { kHexBar, kOctBar, kRebar, kColdAngle, kColdChannel, kColdZ, kCalcs };

  void BuildControls();
  void ConnectEvents();
  void Initialise();

  // Refills a cold-formed spec list from its type (first item selected, nothing run) and
  // gives it the font that fits the type's names.
  void RebuildSpecList(const CalcControls& calc);
  const QFont& SpecFont(CalcId id, int type) const;

  std::array<CalcControls, kCalcs> calcs_;
  QFont narrowFont_;    // 13 px high, 5 px average width
  QFont narrowerFont_;  // 13 px high, 4 px average width
};

}  // namespace zelvik::ui
