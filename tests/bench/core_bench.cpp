// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of our own work per keystroke and per settings change, and the evaluator beside
// a widely used parser on the same expressions. Run: build/tests/bench/zelvik_bench
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <string>

#include "expr/eval_expression.h"
#include "weight/calculators.h"
#include "weight/format.h"

namespace {

// Expressions both evaluators read alike (no degrees, no implied multiplication).
const std::array<std::string, 10> kExpressions = {
    "1200+350",   "2*6000",         "(1200+350)*2",  "sqrt(2)*100",  "3*(2+5)",
    "1000*1000*1*7.85/1000000", "-2*3", "12.5/4+0.25", "abs(-3.5)*2", "exp(1)*2",
};

void BM_EvalExpression(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& e : kExpressions) benchmark::DoNotOptimize(zelvik::EvalExpression(e));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kExpressions.size()));
}
BENCHMARK(BM_EvalExpression);

void BM_MuParser(benchmark::State& state) {
  mu::Parser parser;
  for (auto _ : state) {
    for (const auto& e : kExpressions) {
      parser.SetExpr(e);
      benchmark::DoNotOptimize(parser.Eval());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kExpressions.size()));
}
BENCHMARK(BM_MuParser);

zelvik::CalcInputs Inputs() {
  zelvik::CalcInputs in;
  in.length = "6000";
  in.width = "1500";
  in.thickness = "10";
  in.area = "2000000";
  in.outer = "20";
  in.inner = "0";
  in.wall = "r";
  in.type = 0;
  in.size = 0;
  return in;
}

// Everything a settings change recomputes: all eighteen calculators once.
void BM_RecomputeAll(benchmark::State& state) {
  const zelvik::WeightSettings settings;
  const zelvik::CustomRowSet rows;
  const zelvik::CalcInputs in = Inputs();
  for (auto _ : state) {
    for (int i = 0; i < zelvik::kCalcCount; ++i) {
      benchmark::DoNotOptimize(zelvik::Compute(static_cast<zelvik::CalcId>(i), settings, in, rows));
    }
  }
}
BENCHMARK(BM_RecomputeAll);

// One keystroke in a length field: the calculator, then the value preview.
void BM_Keystroke(benchmark::State& state) {
  const zelvik::WeightSettings settings;
  const zelvik::CustomRowSet rows;
  zelvik::CalcInputs in = Inputs();
  in.length = "2*6000+350";
  for (auto _ : state) {
    benchmark::DoNotOptimize(zelvik::Compute(zelvik::CalcId::kHotAngle, settings, in, rows));
    benchmark::DoNotOptimize(zelvik::PreviewValue(in.length));
  }
}
BENCHMARK(BM_Keystroke);

}  // namespace

BENCHMARK_MAIN();
