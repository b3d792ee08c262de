// SPDX-License-Identifier: GPL-3.0-or-later
// The reference tools' searches and conversion: find next over the whole bearing catalogue
// (a text that matches no line visits all 2,110), the density table, one converter keystroke.
#include <benchmark/benchmark.h>

#include "reference/bearing_catalogue.h"
#include "reference/density_table.h"
#include "reference/unit_table.h"

namespace {

void BM_BearingFindNextNoMatch(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zelvik::FindBearingLine(-1, "无此型号"));
}
BENCHMARK(BM_BearingFindNextNoMatch);

// Digits and "×" start a partial match on almost every line.
void BM_BearingFindNextNoMatchDigits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zelvik::FindBearingLine(-1, "20×47×99"));
}
BENCHMARK(BM_BearingFindNextNoMatchDigits);

void BM_DensityFindNextNoMatch(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zelvik::FindDensityRow(-1, "铂"));
}
BENCHMARK(BM_DensityFindNextNoMatch);

void BM_ConvertUnits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(zelvik::ConvertUnits(8, 9, 8, "12.5"));
}
BENCHMARK(BM_ConvertUnits);

}  // namespace

BENCHMARK_MAIN();
