// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace zelvik::ui {

class CZelvikDlg;

// Pieces of one spec handed to the cutting plan, from the materials list.
struct CuttingPiece {
  double lengthMm = 0;
  int quantity = 0;
  QString label;
};

struct CuttingJob {
  QString spec;           // canonical spec text; empty when the pieces carry no spec
  double density = 7.85;  // t/m³, for the weight of the stock
  std::vector<CuttingPiece> pieces;
};

// A window that takes a cutting job (the cutting plan).
class CuttingJobTarget {
 public:
  virtual ~CuttingJobTarget() = default;
  virtual void LoadJob(const CuttingJob& job) = 0;
};

// Shows the cutting plan's window beside the main window with the job in it; false when there
// is no such window.
bool OpenCuttingJob(CZelvikDlg* main, const CuttingJob& job);

}  // namespace zelvik::ui
