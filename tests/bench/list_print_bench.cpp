// SPDX-License-Identifier: GPL-3.0-or-later
// The materials list at 10,000 rows printed to PDF (goal 5 s).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>

#include <filesystem>

#include "list/list_csv.h"
#include "list_bench.h"
#include "list_print.h"

namespace {

void BM_ListPdf(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "zelvik_list_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  const auto resolver = zelvik::MakeSpecResolver();
  auto read = zelvik::ReadListCsv(SampleListCsv(static_cast<int>(state.range(0))), *resolver);
  const auto& rows = std::get<std::vector<zelvik::ListRow>>(read);
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("zelvik-bench-" + std::to_string(getpid()) + ".pdf");
  for (auto _ : state) {
    const zelvik::ListDocument doc = zelvik::MakeListDocument(rows, zelvik::ListDisplay{}, {"2024-05-01", "", ""});
    if (zelvik::print::WriteListPdf(doc, QString::fromStdString(out.string()))) state.SkipWithError("cannot write");
  }
  std::filesystem::remove(out);
}
BENCHMARK(BM_ListPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
