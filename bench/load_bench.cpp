// Reading and summarising a realistic 2 MiB project, the work behind every "Get SPJ File".
#include <benchmark/benchmark.h>

#include "core/grid/grid_model.h"
#include "core/grid/summary_grid.h"
#include "core/project/spj_reader.h"
#include "spj_builder.h"

namespace {

using namespace tambrelox;

// About 2 MiB: 60 clips of mixed depths, a long program code, CVs and a text.
std::vector<std::uint8_t> LargeProject() {
    fixture::SpjBuilder builder;
    builder.HeaderText("Benchmark project AUTHOR: Bench");
    const int depths[] = {8, 12, 16};
    for (std::uint32_t clip = 0; clip < 60; ++clip) {
        const int bits = depths[clip % 3];
        builder.Clip(60 - clip, "clip" + std::to_string(clip) + ".wav",
                     fixture::MakeWave(fixture::Tone(200.0 + clip * 10, 1.9), bits),
                     static_cast<std::uint8_t>(clip % 3));
    }
    fixture::ProgramCode code;
    for (int i = 0; i < 20000; ++i)
        code.Plain(static_cast<std::uint8_t>(i % 128)).Voice(static_cast<std::uint8_t>(1 + i % 3));
    builder.Code(code.Scheme(1).End())
        .StartupCVs({})
        .Text(std::string(4000, 'x') + "\r\nAuthor: Bench\r\n");
    return builder.Build();
}

void BM_LoadAndSummarise(benchmark::State& state) {
    const auto bytes = LargeProject();
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
