// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <array>

#include "pages/weight_page.h"

namespace zelvik::ui {

// Page two: square and rectangular tube, welded pipe, fasteners, H- and T-sections,
// checker plate and mesh, wire rope.
class CPageTwo : public CWeightPage {
  Q_OBJECT

 public:
  CPageTwo(PageHost* host, QWidget* parent);

  void RecomputeAll() override;
  void ResetPage() override;

  // The six compute operations, in the main window's order.
  void CalcSquareTube();
  void CalcWeldedPipe();
  void CalcFastener();
  void CalcHTSection();
  void CalcPlateMesh();
  void CalcWireRope();

 private:
  enum Calc { kSquareTube, kWeldedPipe, kFastener, kHTSection, kPlateMesh, kWireRope, kCalcs };

  void BuildControls();
  void ConnectEvents();
  void Initialise();

  // Refill a second-level list from the selected type, first item selected, nothing run.
  void FillFastenerSizes();
  void FillHTSizes();
  void FillPlateMeshSizes();
  void FillWireRopeSizes();
  void FillSizes(const CalcControls& calc);

  void OnFastenerStandardSelected();
  void OnFastenerLengthEdited();

  std::array<CalcControls, kCalcs> calcs_;
  QFont narrowListFont_;  // the plate/mesh sizes with long names
};

}  // namespace zelvik::ui
