// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace zelvik::cli {

// One zelvik-cli command: args[0] is the command's own name. A command prints its JSON on
// stdout and returns the exit status; bad usage throws UsageError, a refusal RefusedError.
using CommandFn = int (*)(const std::vector<std::string>& args);

struct Command {
  const char* name;
  CommandFn run;
  const char* usage;  // the command's lines of --help, each starting "  zelvik-cli NAME"
};

// Every command in the order --help lists them.
const std::vector<Command>& Commands();

// Lines after the commands' usage in --help (calculators, options).
std::string WeightHelpTail();

int RunEval(const std::vector<std::string>& args);
int RunWeight(const std::vector<std::string>& args);
int RunSizes(const std::vector<std::string>& args);
int RunSpec(const std::vector<std::string>& args);
// `weight --spec TEXT ...`.
int RunWeightSpec(const std::vector<std::string>& args);
int RunSetting(const std::vector<std::string>& args);
int RunCustom(const std::vector<std::string>& args);
int RunTasks(const std::vector<std::string>& args);
int RunDensity(const std::vector<std::string>& args);
int RunUnits(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunWeldedPipes(const std::vector<std::string>& args);
int RunBearings(const std::vector<std::string>& args);
int RunGifFrames(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);
int RunListValue(const std::vector<std::string>& args);
int RunUpdate(const std::vector<std::string>& args);
int RunUpdateSign(const std::vector<std::string>& args);
int RunCut(const std::vector<std::string>& args);

extern const char kEvalUsage[];
extern const char kWeightUsage[];
extern const char kSizesUsage[];
extern const char kSpecUsage[];
extern const char kSettingUsage[];
extern const char kCustomUsage[];
extern const char kTasksUsage[];
extern const char kDensityUsage[];
extern const char kUnitsUsage[];
extern const char kConvertUsage[];
extern const char kWeldedPipesUsage[];
extern const char kBearingsUsage[];
extern const char kGifFramesUsage[];
extern const char kListUsage[];
extern const char kListValueUsage[];
extern const char kUpdateUsage[];
extern const char kUpdateSignUsage[];
extern const char kCutUsage[];

}  // namespace zelvik::cli
