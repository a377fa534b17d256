#include "core/sound/waveform_envelope.h"

#include <algorithm>
#include <cmath>

namespace tambrelox {
namespace {

constexpr float kFullScale = 32768.0F;
// Runs of a fixed length let the compiler keep the extremes in vector registers.
constexpr std::size_t kBlock = 64;

struct Extremes {
    std::int16_t low;
    std::int16_t high;
};

Extremes ExtremesOf(std::span<const std::int16_t> run) {
    const std::int16_t* samples = run.data();  // indexed plainly, so the blocks vectorise
    Extremes found{samples[0], samples[0]};
    std::size_t i = 0;
    for (; i + kBlock <= run.size(); i += kBlock) {
        const std::int16_t* block = samples + i;
        for (std::size_t j = 0; j < kBlock; ++j) {
            found.low = block[j] < found.low ? block[j] : found.low;
            found.high = block[j] > found.high ? block[j] : found.high;
        }
    }
    for (; i < run.size(); ++i) {
        found.low = std::min(found.low, samples[i]);
        found.high = std::max(found.high, samples[i]);
    }
    return found;
}

}  // namespace

std::vector<EnvelopeColumn> WaveformEnvelope(std::span<const std::int16_t> samples,
                                             std::size_t columns) {
    std::vector<EnvelopeColumn> envelope;
    if (samples.empty() || columns == 0) return envelope;
    envelope.reserve(columns);
    const std::size_t count = samples.size();
    for (std::size_t column = 0; column < columns; ++column) {
        // In 64 bits a clip of any length times a screen's width cannot overflow.
        const auto from = static_cast<std::size_t>(std::uint64_t{column} * count / columns);
        const auto to = static_cast<std::size_t>(std::uint64_t{column + 1} * count / columns);
        const Extremes run = ExtremesOf(samples.subspan(from, std::max(to, from + 1) - from));
        envelope.push_back(
            {static_cast<float>(run.low) / kFullScale, static_cast<float>(run.high) / kFullScale});
    }
    return envelope;
}

double PositionInClip(double playedSeconds, double clipSeconds, PlayKind kind) {
    if (clipSeconds <= 0 || playedSeconds <= 0) return 0;
    if (kind == PlayKind::Repeating) return std::fmod(playedSeconds, clipSeconds);
    return std::min(playedSeconds, clipSeconds);
}

}  // namespace tambrelox
