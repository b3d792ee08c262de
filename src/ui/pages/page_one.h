// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "pages/weight_page.h"

class QRadioButton;

namespace zelvik::ui {

// Page one: plate by length and width, plate by area, hot-rolled angle, round bar or pipe,
// hot-rolled channel and I-beam.
class CPageOne : public CWeightPage {
  Q_OBJECT

 public:
  CPageOne(PageHost* host, QWidget* parent);

  void RecomputeAll() override;
  void ResetPage() override;

  // The six compute operations, in the main window's order.
  void CalcPlate1();
  void CalcPlate2();
  void CalcHotAngle();
  void CalcRoundPipe();
  void CalcHotChannel();
  void CalcIBeam();

 private:
  enum Calc { kPlate1, kPlate2, kHotAngle, kRoundPipe, kHotChannel, kIBeam, kCalcs };

  void BuildControls();
  void ConnectEvents();
  void Initialise();

  std::array<CalcControls, kCalcs> calcs_;
  QRadioButton* innerMode_ = nullptr;  // 1019 "内径:"
  QRadioButton* wallMode_ = nullptr;   // 1021 "壁厚:"
};

}  // namespace zelvik::ui
