// SPDX-License-Identifier: GPL-3.0-or-later
// The cutting optimiser's time on a workshop-sized job and on one instance of each public set.
// The whole sets, with quality figures, are zelvik_cutting_runner's.
#include <benchmark/benchmark.h>

#include "bpp_files.h"

namespace {

void RunPlan(benchmark::State& state, const zelvik::cutting::CutRequest& request) {
  zelvik::cutting::CutPlan plan;
  for (auto _ : state) {
    plan = zelvik::cutting::Optimise(request);
    benchmark::DoNotOptimize(plan);
  }
  state.counters["bars"] = plan.totals.bars;
  state.counters["bound"] = plan.bound.bars;
  state.counters["optimal"] = plan.optimal;
}

void BM_ThousandPiecesFiftyLengths(benchmark::State& state) { RunPlan(state, zelvik::bench::ThousandPieces()); }
BENCHMARK(BM_ThousandPiecesFiftyLengths)->Unit(benchmark::kMillisecond);

void BM_PublicInstance(benchmark::State& state, const char* file, int index) {
  const auto instances = zelvik::bench::ReadBppFile(std::string(ZELVIK_CUTTING_DATA) + "/" + file);
  if (static_cast<int>(instances.size()) <= index) {
    state.SkipWithError("instance file missing");
    return;
  }
  RunPlan(state, zelvik::bench::AsRequest(instances[index]));
}
BENCHMARK_CAPTURE(BM_PublicInstance, u250_13, "falkenauer_u250.txt", 13)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PublicInstance, t60_01, "falkenauer_t60.txt", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PublicInstance, N4C1W1_E, "scholl_sample/N4C1W1_E.BPP", 0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
