// The player's waveform envelope: computed once per selection and per width.
// Targets: a 60-second 16-bit clip at 600 pixels in under 5 ms; the longest
// clip a project file can hold in under 20 ms.
#include <benchmark/benchmark.h>

#include "core/base/file_bytes.h"
#include "core/sound/pcm_wave.h"
#include "core/sound/waveform_envelope.h"
#include "wave_synth.h"

namespace {

using namespace tambrelox;

constexpr std::size_t kColumns = 600;

void BM_Envelope60SecondClip(benchmark::State& state) {
    const auto wave = fixture::MakeWave(fixture::Tone(440, 60), 16);
    const auto samples = ReadPcmWave(ByteView(wave.bytes)).value().samples;
    for (auto _ : state) benchmark::DoNotOptimize(WaveformEnvelope(samples, kColumns));
    state.counters["samples"] = static_cast<double>(samples.size());
}
BENCHMARK(BM_Envelope60SecondClip)->Unit(benchmark::kMillisecond);

// A whole file's worth of 8-bit samples, one each byte: the most samples any
// clip the reader accepts can decode to.
void BM_EnvelopeLongestClip(benchmark::State& state) {
    std::vector<std::int16_t> samples(kLargestFileRead);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>((i * 2654435761U) >> 16);
    for (auto _ : state) benchmark::DoNotOptimize(WaveformEnvelope(samples, kColumns));
    state.counters["samples"] = static_cast<double>(samples.size());
}
BENCHMARK(BM_EnvelopeLongestClip)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
