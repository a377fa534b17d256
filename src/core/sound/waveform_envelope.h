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

}  // namespace tambrelox
