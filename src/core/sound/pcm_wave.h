#pragma once

#include <cstdint>
#include <vector>

#include "core/base/byte_view.h"
#include "core/base/outcome.h"

namespace tambrelox {

// A wave file's sound as the playback device takes it: 16-bit signed samples,
// channels interleaved.
struct Pcm16Sound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Reads a PCM wave file of 1 to 16 bits per sample: one unsigned byte a sample
// up to 8 bits, a two-byte little-endian container with the sample in its high
// bits above that. A file it cannot play is refused as a bad wave, the
// message saying why in words for the user.
[[nodiscard]] Outcome<Pcm16Sound> ReadPcmWave(ByteView file);

// Widens sample data of that layout to 16 bits; a trailing partial sample is dropped.
[[nodiscard]] std::vector<std::int16_t> WidenTo16Bits(ByteView data, int bitsPerSample);

}  // namespace tambrelox
