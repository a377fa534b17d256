// Reading and summarising a realistic 2 MiB project, the work behind every "Get SPJ File".
#include <benchmark/benchmark.h>

#include "core/grid/grid_model.h"
#include "core/grid/summary_grid.h"
#include "core/project/spj_reader.h"
#include "demo_project.h"

namespace {

using namespace tambrelox;

void BM_LoadAndSummarise(benchmark::State& state) {
    const auto bytes = fixture::BuildLargeProject();
    const NumberFormat format;
    for (auto _ : state) {
        auto outcome = ReadProject(bytes, "bench.spj");
        GridModel grid;
        PrepareSummaryGrid(grid);
        FillSummaryGrid(outcome.value(), format, grid);
        benchmark::DoNotOptimize(grid);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["file_MiB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadAndSummarise)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
