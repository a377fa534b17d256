#include "core/sound/pcm_wave.h"

#include <optional>

namespace tambrelox {
namespace {

constexpr std::uint64_t kFirstChunk = 12;  // after "RIFF", the RIFF size and "WAVE"
constexpr std::uint64_t kChunkHeader = 8;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kExtensibleFormat = 0xFFFE;
constexpr int kMaxBits = 16;
constexpr std::uint32_t kMaxSampleRate = 384000;  // the most any sound device takes

Refusal Unplayable(const char* why) {
    return {RefusalKind::BadWave, why};
}

bool ReadsAs(const ByteView& bytes, std::uint64_t at, std::string_view tag) {
    const auto part = bytes.slice(at, tag.size());
    return part && part->text() == tag;
}

std::optional<std::uint16_t> U16le(const ByteView& bytes, std::uint64_t at) {
    const auto low = bytes.u8(at);
    const auto high = bytes.u8(at + 1);
    if (!low || !high) return std::nullopt;
    return static_cast<std::uint16_t>(*low | *high << 8U);
}

struct Chunks {
    std::optional<ByteView> format;
    std::optional<ByteView> data;
};

Chunks FindChunks(const ByteView& file) {
    Chunks chunks;
    std::uint64_t at = kFirstChunk;
    while (const auto size = file.u32le(at + 4)) {
        const std::uint64_t body = at + kChunkHeader;
        if (ReadsAs(file, at, "fmt ") && !chunks.format) chunks.format = file.slice(body, *size);
        // A data length running past the end of the file still plays what is there.
        if (ReadsAs(file, at, "data")) {
            chunks.data = file.window(body, *size);
            break;
        }
        at = body + *size + (*size & 1U);  // chunks are padded to even lengths
    }
    return chunks;
}

}  // namespace

std::vector<std::int16_t> WidenTo16Bits(ByteView data, int bitsPerSample) {
    std::vector<std::int16_t> samples;
    const std::span<const std::uint8_t> bytes = data.bytes();
    if (bitsPerSample <= 8) {
        samples.reserve(bytes.size());
        for (const std::uint8_t byte : bytes)
            samples.push_back(static_cast<std::int16_t>((byte - 128) * 256));
        return samples;
    }
    // Bits below the sample's own are padding; whatever they hold is not sound.
    const auto keep = static_cast<std::uint16_t>(0xFFFFU << (kMaxBits - bitsPerSample));
    samples.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto word = static_cast<std::uint16_t>((bytes[i] | bytes[i + 1] << 8U) & keep);
        samples.push_back(static_cast<std::int16_t>(word));
    }
    return samples;
}

Outcome<Pcm16Sound> ReadPcmWave(ByteView file) {
    if (!ReadsAs(file, 0, "RIFF") || !ReadsAs(file, 8, "WAVE"))
        return Unplayable("it is not a wave file");
    const Chunks chunks = FindChunks(file);
    if (!chunks.format || !chunks.data) return Unplayable("the wave file has no sound data");
    const auto tag = U16le(*chunks.format, 0);
    const auto channels = U16le(*chunks.format, 2);
    const auto rate = chunks.format->u32le(4);
    const auto bits = U16le(*chunks.format, 14);
    if (!tag || !channels || !rate || !bits)
        return Unplayable("the wave file's format is cut short");
    if (*tag != kPcmFormat && *tag != kExtensibleFormat)
        return Unplayable("the wave file is not plain PCM");
    if (*channels == 0 || *rate == 0 || *rate > kMaxSampleRate || *bits == 0 || *bits > kMaxBits) {
        return Unplayable("the wave file's format is not supported");
    }
    Pcm16Sound sound{*channels, static_cast<int>(*rate), WidenTo16Bits(*chunks.data, *bits)};
    sound.samples.resize(sound.samples.size() - sound.samples.size() % *channels);
    return sound;
}

}  // namespace tambrelox
