#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/base/byte_view.h"

namespace tambrelox {

// A wave file's sound as the playback device takes it: 16-bit signed samples,
// channels interleaved.
struct Pcm16Sound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Why a wave file cannot be played, in words for the user.
struct WaveProblem {
    std::string reason;
};

// Reads a PCM wave file of 1 to 16 bits per sample: one unsigned byte a sample
// up to 8 bits, a two-byte little-endian container with the sample in its high
// bits above that.
[[nodiscard]] std::variant<Pcm16Sound, WaveProblem> ReadPcmWave(ByteView file);

// Widens sample data of that layout to 16 bits; a trailing partial sample is dropped.
[[nodiscard]] std::vector<std::int16_t> WidenTo16Bits(ByteView data, int bitsPerSample);

}  // namespace tambrelox
