// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "json.h"
#include "options.h"
#include "reference/welded_pipe_lines.h"

namespace zelvik::cli {

const char kWeldedPipesUsage[] = R"(  zelvik-cli welded-pipes
      Prints the thin-walled and thick-walled welded-pipe size lines.
)";

namespace {

std::string Array(std::span<const std::string_view> lines) {
  std::string json = "[";
  for (size_t i = 0; i < lines.size(); ++i) json += (i ? ", " : "") + JsonString(lines[i]);
  return json + "]";
}

}  // namespace

int RunWeldedPipes(const std::vector<std::string>& args) {
  ParseOptions(args, 1, {}, {});
  std::cout << "{\"thin\": " << Array(ThinWallPipeLines()) << ", \"thick\": " << Array(ThickWallPipeLines())
            << "}\n";
  return 0;
}

}  // namespace zelvik::cli
