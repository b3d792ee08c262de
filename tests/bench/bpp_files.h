// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bin-packing instance files for the cutting benchmarks (OR-Library and .BPP formats), and a
// generated job of 1,000 pieces of 50 lengths.
#include <string>
#include <vector>

#include "cutting/cutting_plan.h"

namespace zelvik::bench {

struct BppInstance {
  std::string name;
  double capacity = 0;
  std::vector<double> items;
  int bestKnown = 0;  // 0 when the file does not say
};

// Every instance of an OR-Library file or the one of a .BPP file; empty when unreadable.
std::vector<BppInstance> ReadBppFile(const std::string& path);

// One stock length, no kerf, no trim.
cutting::CutRequest AsRequest(const BppInstance& instance);

// 1,000 pieces of 50 lengths from 250 to 2,950 mm, 6 m bars, kerf 3 mm; the same every run.
cutting::CutRequest ThousandPieces();

// First-fit decreasing counted independently of the optimiser.
int FirstFitDecreasingBars(const cutting::CutRequest& request);

// Every piece cut once and no bar over its length, checked from the plan alone.
bool PlanIsValid(const cutting::CutRequest& request, const cutting::CutPlan& plan);

}  // namespace zelvik::bench
