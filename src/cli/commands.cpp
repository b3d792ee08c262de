// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include <cstring>

#include "weight/registry.h"

namespace zelvik::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"eval", RunEval, kEvalUsage},
      {"weight", RunWeight, kWeightUsage},
      {"sizes", RunSizes, kSizesUsage},
      {"spec", RunSpec, kSpecUsage},
      {"setting", RunSetting, kSettingUsage},
      {"custom", RunCustom, kCustomUsage},
      {"tasks", RunTasks, kTasksUsage},
      {"density", RunDensity, kDensityUsage},
      {"units", RunUnits, kUnitsUsage},
      {"convert", RunConvert, kConvertUsage},
      {"welded-pipes", RunWeldedPipes, kWeldedPipesUsage},
      {"bearings", RunBearings, kBearingsUsage},
      {"gif-frames", RunGifFrames, kGifFramesUsage},
      {"list", RunList, kListUsage},
      {"list-value", RunListValue, kListValueUsage},
      {"update", RunUpdate, kUpdateUsage},
      {"update-sign", RunUpdateSign, kUpdateSignUsage},
      {"cut", RunCut, kCutUsage},
  };
  return commands;
}

namespace {

// The calculators' names as --help lists them, wrapped within 80 columns.
std::string CalculatorLines() {
  std::string text;
  std::string line = " ";
  for (const CalcInfo& info : AllCalcs()) {
    if (line.size() + 1 + std::strlen(info.cliName) > 80) {
      text += line + "\n";
      line = " ";
    }
    line += std::string(" ") + info.cliName;
  }
  return text + line + "\n";
}

}  // namespace

std::string WeightHelpTail() {
  return "\nCalculators:\n" + CalculatorLines() + R"(
Options of weight:
  --units U        0, 1, 2, "kg;mm", "kg;m" or "t;m" (default 0)
  --decimals N     decimal places of the weight (default 2)
  --density TEXT   density in t/m3 as the density field reads it (default 7.85)
  --config FILE    append the user-defined sizes of that ConfigMW.ini to the lists
  --type T         first-level list item: its text, #N (zero-based) or #-1 (none)
  --size S         size list item: its text, #N or #-1 (default: the first item)
  --length, --width, --thickness, --area, --outer, --inner, --wall TEXT
                   field texts, read as expressions (default empty)
  --mode inner|wall   round-pipe: inner-diameter or wall-thickness mode
  --spec TEXT      a spec string in place of CALC: its calculator, its size or dimensions
  --quantity N     with --spec: the total weight of N pieces as well
  --target-weight KG  with --spec: the length, or the pieces of --length, for KG kg
)";
}

}  // namespace zelvik::cli
