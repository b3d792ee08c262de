// SPDX-License-Identifier: GPL-3.0-or-later
// zelvik-cli: the calculation core for scripts and checks. JSON on stdout; bad usage
// exits 2 and a refused operation exits 1, each with one line on stderr.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "options.h"
#include "project_info.h"

namespace zelvik::cli {
namespace {

void PrintHelp() {
  std::cout << "Usage:\n";
  for (const Command& c : Commands()) std::cout << c.usage;
  std::cout << "  zelvik-cli --help\n  zelvik-cli --version\n" << WeightHelpTail();
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("missing command (try --help)");
  const std::string& cmd = args[0];
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    PrintHelp();
    return 0;
  }
  if (cmd == "--version") {
    std::cout << "zelvik-cli " << kProjectVersion << "\n";
    return 0;
  }
  for (const Command& c : Commands()) {
    if (cmd == c.name) return c.run(args);
  }
  throw UsageError("unknown command '" + cmd + "' (try --help)");
}

}  // namespace
}  // namespace zelvik::cli

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    return zelvik::cli::Run(args);
  } catch (const zelvik::cli::UsageError& e) {
    std::cerr << "zelvik-cli: " << e.what() << "\n";
    return 2;
  } catch (const zelvik::cli::RefusedError& e) {
    std::cerr << "zelvik-cli: " << e.what() << "\n";
    return 1;
  }
}
