// SPDX-License-Identifier: GPL-3.0-or-later
// The materials list at 10,000 rows: read, computed and totalled (goal 100 ms), and written
// as a workbook (goal 1.5 s). Run: build/tests/bench/zelvik_list_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "list/list_csv.h"
#include "list/list_document.h"
#include "list_bench.h"
#include "list_xlsx.h"

std::string SampleListCsv(int rows) {
  static const char* const kSpecs[] = {"∠50×50×5", "[20a", "工20a", "-10×1500×6000", "∠63×40×5", "100×4.0"};
  static const char* const kMaterials[] = {"Q235B", "Q345B", "304"};
  static const char* const kBases[] = {"元/吨", "元/千克", "元/米", "元/件"};
  std::string csv = "\xEF\xBB\xBF规格,长度,数量,材质,单价,计价方式,备注\r\n";
  for (int i = 0; i < rows; ++i) {
    const char* spec = kSpecs[i % 6];
    const bool plate = spec[0] == '-';
    const char* basis = plate && i % 4 == 2 ? "元/吨" : kBases[i % 4];
    csv += std::string(spec) + "," + (plate ? "" : std::to_string(1000 + i % 11000)) + "," +
           std::to_string(1 + i % 40) + "," + kMaterials[i % 3] + "," + std::to_string(4000 + i % 500) + "," +
           basis + "," + (i % 7 == 0 ? "\"立柱, 二层\"" : "") + "\r\n";
  }
  return csv;
}

namespace {

void BM_ListLoadComputeTotal(benchmark::State& state) {
  const std::string csv = SampleListCsv(static_cast<int>(state.range(0)));
  const auto resolver = zelvik::MakeSpecResolver();
  for (auto _ : state) {
    auto read = zelvik::ReadListCsv(csv, *resolver);
    const auto& rows = std::get<std::vector<zelvik::ListRow>>(read);
    benchmark::DoNotOptimize(zelvik::ComputeTotals(rows));
    benchmark::DoNotOptimize(zelvik::Summarize(rows));
  }
}
BENCHMARK(BM_ListLoadComputeTotal)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ListXlsx(benchmark::State& state) {
  const auto resolver = zelvik::MakeSpecResolver();
  auto read = zelvik::ReadListCsv(SampleListCsv(static_cast<int>(state.range(0))), *resolver);
  const auto& rows = std::get<std::vector<zelvik::ListRow>>(read);
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("zelvik-bench-" + std::to_string(getpid()) + ".xlsx");
  for (auto _ : state) {
    const zelvik::ListDocument doc = zelvik::MakeListDocument(rows, zelvik::ListDisplay{}, {"2024-05-01", "", ""});
    if (zelvik::WriteListXlsx(doc, out)) state.SkipWithError("cannot write the workbook");
  }
  std::filesystem::remove(out);
}
BENCHMARK(BM_ListXlsx)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
