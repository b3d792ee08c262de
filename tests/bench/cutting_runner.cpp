// SPDX-License-Identifier: GPL-3.0-or-later
// The cutting optimiser over the public bin-packing sets: per set the instances, valid plans,
// plans no worse than first-fit decreasing, proven optima, the most bars over the bound and
// the time taken. Not part of the pass/fail run.
//   zelvik_cutting_runner [--verbose] [--time-limit S] [--hard-like N] [DATA_DIR]
// --hard-like N adds N generated instances drawn like Scholl's hard set (200 items of 20,000
// to 35,000 in bins of 100,000), which is not among the files.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bpp_files.h"

namespace {

using zelvik::bench::BppInstance;

struct SetFigures {
  int instances = 0, valid = 0, noWorseThanFfd = 0, optimal = 0, maxOver = 0, maxOverKnown = 0;
  double maxSeconds = 0, sumSeconds = 0;
};

void RunOne(const std::string& name, const zelvik::cutting::CutRequest& request, int bestKnown, double limit,
            bool verbose, SetFigures& f) {
  zelvik::cutting::CutOptions options;
  options.timeLimit = std::chrono::milliseconds(static_cast<long>(limit * 1000));
  double boundDone = 0;  // when the relaxation was done with
  int lastBars = 0;
  double foundAt = 0;
  int foundStage = 0;
  options.progress = [&](const zelvik::cutting::CutProgress& p) {
    if (p.bestBars != lastBars) {
      lastBars = p.bestBars;
      foundAt = p.elapsedSeconds;
      foundStage = static_cast<int>(p.stage);
    }
    if (p.stage != zelvik::cutting::CutStage::Bound && p.stage != zelvik::cutting::CutStage::FirstFit &&
        boundDone == 0) {
      boundDone = p.elapsedSeconds;
    }
  };
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const zelvik::cutting::CutPlan plan = zelvik::cutting::Optimise(request, options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const int bars = plan.totals.bars;
  const int ffd = zelvik::bench::FirstFitDecreasingBars(request);
  ++f.instances;
  f.valid += zelvik::bench::PlanIsValid(request, plan);
  f.noWorseThanFfd += bars <= ffd;
  f.optimal += plan.optimal;
  f.maxOver = std::max(f.maxOver, bars - plan.bound.bars);
  if (bestKnown > 0) f.maxOverKnown = std::max(f.maxOverKnown, bars - bestKnown);
  f.maxSeconds = std::max(f.maxSeconds, seconds);
  f.sumSeconds += seconds;
  if (verbose) {
    std::printf("  %-12s bars %4d  bound %4d  known %4d  ffd %4d  %s %6.3f s (cpu %6.3f s, bound %5.3f s, best %5.3f s in stage %d)%s\n",
                name.c_str(), bars, plan.bound.bars, bestKnown, ffd, plan.optimal ? "optimal" : "       ", seconds, cpu,
                boundDone, foundAt, foundStage, plan.bound.fromLp ? "" : "  (no LP)");
  }
}

void Print(const std::string& set, const SetFigures& f) {
  std::printf("%-22s %9d %6d %6d %8d %7.1f%% %9d %10d %8.3f %8.3f\n", set.c_str(), f.instances, f.valid, f.noWorseThanFfd,
              f.optimal, f.instances ? 100.0 * f.optimal / f.instances : 0.0, f.maxOver, f.maxOverKnown, f.maxSeconds,
              f.instances ? f.sumSeconds / f.instances : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path dir = ZELVIK_CUTTING_DATA;
  double limit = 2.0;
  bool verbose = false;
  int hardLike = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--verbose") {
      verbose = true;
    } else if (a == "--hard-like" && i + 1 < argc) {
      hardLike = std::atoi(argv[++i]);
    } else if (a == "--time-limit" && i + 1 < argc) {
      limit = std::atof(argv[++i]);
    } else {
      dir = a;
    }
  }
  std::printf("%-22s %9s %6s %6s %8s %8s %9s %10s %8s %8s\n", "set", "instances", "valid", "<=FFD", "optimal", "share",
              "max over", "over known", "max s", "mean s");
  struct Set {
    std::string name;
    std::vector<std::filesystem::path> files;
  };
  std::vector<Set> sets = {{"falkenauer_u250", {dir / "falkenauer_u250.txt"}}, {"falkenauer_t60", {dir / "falkenauer_t60.txt"}}};
  Set scholl{"scholl_sample", {}};
  if (std::filesystem::is_directory(dir / "scholl_sample")) {
    for (const auto& e : std::filesystem::directory_iterator(dir / "scholl_sample")) scholl.files.push_back(e.path());
  }
  std::sort(scholl.files.begin(), scholl.files.end());
  sets.push_back(scholl);
  for (const Set& set : sets) {
    SetFigures f;
    if (verbose) std::printf("%s\n", set.name.c_str());
    for (const auto& file : set.files) {
      for (const BppInstance& inst : zelvik::bench::ReadBppFile(file.string())) {
        RunOne(inst.name, zelvik::bench::AsRequest(inst), inst.bestKnown, limit, verbose, f);
      }
    }
    Print(set.name, f);
  }
  if (hardLike > 0) {
    SetFigures f;
    std::mt19937 rng(97);
    for (int k = 0; k < hardLike; ++k) {
      BppInstance inst;
      inst.name = "hard_" + std::to_string(k);
      inst.capacity = 100000;
      for (int i = 0; i < 200; ++i) inst.items.push_back(20000 + static_cast<double>(rng() % 15001));
      RunOne(inst.name, zelvik::bench::AsRequest(inst), 0, limit, verbose, f);
    }
    Print("generated hard-like", f);
  }
  SetFigures f;
  RunOne("1000x50", zelvik::bench::ThousandPieces(), 0, limit, verbose, f);
  Print("1000 pieces/50 lengths", f);
  return 0;
}
