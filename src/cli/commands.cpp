// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

namespace zelvik::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"eval", RunEval, kEvalUsage},
      {"weight", RunWeight, kWeightUsage},
      {"sizes", RunSizes, kSizesUsage},
      {"setting", RunSetting, kSettingUsage},
      {"custom", RunCustom, kCustomUsage},
      {"tasks", RunTasks, kTasksUsage},
      {"density", RunDensity, kDensityUsage},
      {"units", RunUnits, kUnitsUsage},
      {"convert", RunConvert, kConvertUsage},
      {"welded-pipes", RunWeldedPipes, kWeldedPipesUsage},
      {"bearings", RunBearings, kBearingsUsage},
      {"gif-frames", RunGifFrames, kGifFramesUsage},
      {"list-value", RunListValue, kListValueUsage},
      {"update", RunUpdate, kUpdateUsage},
      {"update-sign", RunUpdateSign, kUpdateSignUsage},
  };
  return commands;
}

const char kWeightHelpTail[] = R"(
Calculators:
  plate1 plate2 hot-angle round-pipe hot-channel i-beam square-tube welded-pipe
  fastener ht-section plate-mesh wire-rope hex-bar oct-bar rebar cold-angle
  cold-channel cold-z

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
)";

}  // namespace zelvik::cli
