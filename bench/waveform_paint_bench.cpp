// The player's waveform drawn afresh, envelope included, for the longest clip
// a project file can hold: target under 20 ms a drawing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "core/base/file_bytes.h"
#include "ui/player/waveform_view.h"
#include "wave_synth.h"

namespace {

using namespace tambrelox;

// An 8-bit clip filling a whole file's worth of bytes, one sample each.
std::vector<std::uint8_t> LongestClip() {
    fixture::WaveClip wave = fixture::MakeWave({}, 8);
    const std::size_t samples = kLargestFileRead - wave.bytes.size();
    wave.bytes.reserve(kLargestFileRead);
    for (std::size_t i = 0; i < samples; ++i)
        wave.bytes.push_back(static_cast<std::uint8_t>((i * 2654435761U) >> 24));
    const auto size = static_cast<std::uint32_t>(samples);
    for (int b = 0; b < 4; ++b) {  // the data chunk's length, after the empty clip's header
        wave.bytes[40 + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(size >> (8 * b));
        wave.bytes[4 + static_cast<std::size_t>(b)] =
            static_cast<std::uint8_t>((size + 36) >> (8 * b));
    }
    return wave.bytes;
}

void BM_DrawLongestClip(benchmark::State& state) {
    const auto clip = LongestClip();
    WaveformView view{NumberFormat{}};
    view.ShowClip(ByteView(clip));
    int width = 600;
    for (auto _ : state) {
        width = width == 600 ? 601 : 600;  // a new width: the envelope is worked out again
        view.resize(width, view.height());
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_DrawLongestClip)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
