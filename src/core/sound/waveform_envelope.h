#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tambrelox {

// The lowest and highest sample of one pixel column, as fractions of full
// scale (-1 to just under 1).
struct EnvelopeColumn {
    float low = 0;
    float high = 0;

    bool operator==(const EnvelopeColumn&) const = default;
};

// Splits the samples into `columns` runs as even as whole samples allow and
// gives each run's extremes. Where there are fewer samples than columns, a
// column shows the sample it falls on; no samples give no columns.
[[nodiscard]] std::vector<EnvelopeColumn> WaveformEnvelope(std::span<const std::int16_t> samples,
                                                           std::size_t columns);

// How a clip is being played.
enum class PlayKind { Once, Repeating };

// Where in a clip of `clipSeconds` a play stands once the device has processed
// `playedSeconds` of it: a repeat play starts the clip over each time round; a
// single play stays at the end while the trailing silence drains.
[[nodiscard]] double PositionInClip(double playedSeconds, double clipSeconds, PlayKind kind);

}  // namespace tambrelox
