// SPDX-License-Identifier: GPL-3.0-or-later
// Spec strings read: one typical string each (goal: 5 µs), and a takeoff of 10,000 (goal:
// 50 ms). The index of the tables is built before the clock starts.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "spec/spec_parse.h"
#include "weight/size_lists.h"

namespace {

const std::array<std::string, 16> kTypical = {
    "L50×5",  "∠63×40×5", "[20a",           "I20a",    "HN400×200",  "Φ108×4",       "□100×100×4",   "-10×1500×6000",
    "-50×5", "M20",      "GB 5782 M20×100", "6×19-20", "螺纹钢Φ20", "菱形花纹板δ4", "DN25×3.25", "冷弯L50×50×3",
};

void BM_ParseSpecTypical(benchmark::State& state) {
  const std::string& text = kTypical[static_cast<size_t>(state.range(0))];
  benchmark::DoNotOptimize(zelvik::ParseSpec(text));
  for (auto _ : state) benchmark::DoNotOptimize(zelvik::ParseSpec(text));
  state.SetLabel(text);
}
BENCHMARK(BM_ParseSpecTypical)->DenseRange(0, static_cast<int>(kTypical.size()) - 1);

// Every size of every table by its text, the typical strings, some with blanks and in
// full width, and some that fail, to 10,000.
std::vector<std::string> Takeoff() {
  std::vector<std::string> all;
  const zelvik::CustomRowSet none;
  for (const zelvik::CalcInfo& info : zelvik::AllCalcs()) {
    const int types = info.typeList ? static_cast<int>(zelvik::TypeNames(info.id).size()) : 1;
    for (int t = 0; t < types; ++t) {
      const int count = static_cast<int>(zelvik::SizeItems(info.id, t, none).size());
      for (int s = 0; s < count; ++s) {
        if (auto spec = zelvik::SpecOfSize(info.id, info.typeList ? t : -1, s)) all.push_back(spec->canonical);
      }
    }
  }
  const std::array<std::string, 6> odd = {"Ｌ５０×５", " l 50 x 5 ", "L50×7", "H200×200", "钢管 Φ108 * 4", "xyz"};
  for (size_t i = 0; all.size() < 10000; ++i) all.push_back(i % 2 ? kTypical[i % kTypical.size()] : odd[i % odd.size()]);
  all.resize(10000);
  return all;
}

void BM_ParseSpecTakeoff(benchmark::State& state) {
  const std::vector<std::string> texts = Takeoff();
  for (auto _ : state) {
    for (const std::string& text : texts) benchmark::DoNotOptimize(zelvik::ParseSpec(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ParseSpecTakeoff)->Unit(benchmark::kMillisecond);

}  // namespace
