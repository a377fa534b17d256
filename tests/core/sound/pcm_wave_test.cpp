#include "core/sound/pcm_wave.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

#include "wave_synth.h"

namespace tambrelox {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Samples = std::vector<std::int16_t>;

Samples Widen(const Bytes& data, int bits) {
    return WidenTo16Bits(ByteView(data), bits);
}

TEST(WidenTo16Bits, EveryDepthComesOutSignedAroundZero) {
    // 8 bits are unsigned around 128.
    EXPECT_EQ(Widen({0, 127, 128, 129, 255}, 8), (Samples{-32768, -256, 0, 256, 32512}));
    // 12 bits stand in the high bits of little-endian pairs; junk below must not sound.
    EXPECT_EQ(Widen({0x30, 0x12, 0x3F, 0x12, 0x0F, 0x80, 0xF0, 0xFF}, 12),
              (Samples{0x1230, 0x1230, -32768, -16}));
    EXPECT_EQ(Widen({0x34, 0x12, 0xFF, 0xFF, 0x00, 0x80, 0x01}, 16), (Samples{0x1234, -1, -32768}))
        << "a trailing half sample is dropped";
}

Bytes Chunk(std::string_view id, const Bytes& body) {
    Bytes out(id.begin(), id.end());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(body.size() >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) out.push_back(0);
    return out;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const Bytes& chunk : chunks) out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
}

Bytes Fmt(std::uint16_t channels, std::uint16_t bits) {
    const auto blockAlign = static_cast<std::uint8_t>(channels * (bits > 8 ? 2 : 1));
    return Chunk("fmt ", {1, 0, static_cast<std::uint8_t>(channels), 0, 0x11, 0x2B, 0, 0, 0, 0, 0,
                          0, blockAlign, 0, static_cast<std::uint8_t>(bits), 0});
}

std::optional<Pcm16Sound> Sound(const Bytes& bytes) {
    auto wave = ReadPcmWave(ByteView(bytes));
    if (!wave.ok()) return std::nullopt;
    return std::move(wave).value();
}

TEST(ReadPcmWave, ReadsTheClipsTheFixtureMakesAtEveryDepth) {
    for (const int bits : {8, 12, 16}) {
        const auto sound = Sound(fixture::MakeWave(fixture::Tone(440, 0.1), bits).bytes);
        ASSERT_TRUE(sound) << bits;
        EXPECT_EQ(std::tie(sound->channels, sound->sampleRate), std::tuple(1, 11025));
        EXPECT_EQ(sound->samples.size(), 1102U);
    }
}

TEST(ReadPcmWave, WalksPastOtherChunksAndTheirPadBytes) {
    const Bytes wave =
        Riff({Chunk("LIST", {'o', 'd', 'd'}), Fmt(2, 16), Chunk("data", {1, 0, 2, 0, 3, 0})});
    const auto sound = Sound(wave);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->samples, (Samples{1, 2})) << "whole frames only";
}

TEST(ReadPcmWave, PlaysWhatThereIsOfADataChunkCutShort) {
    Bytes wave = Riff({Fmt(1, 8), Chunk("data", {128, 129, 130, 131})});
    wave.resize(wave.size() - 2);
    const auto sound = Sound(wave);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples, (Samples{0, 256}));
}

TEST(ReadPcmWave, NamesWhatIsWrongWithFilesItCannotPlay) {
    const auto reason = [](const Bytes& bytes) {
        const auto wave = ReadPcmWave(ByteView(bytes));
        if (wave.ok()) return std::string("played");
        EXPECT_EQ(wave.refusal().kind, RefusalKind::BadWave);
        return wave.refusal().message;
    };
    EXPECT_EQ(reason({'R', 'I', 'F', 'F'}), "it is not a wave file");
    EXPECT_EQ(reason(Riff({Chunk("data", {1, 2})})), "the wave file has no sound data");
    EXPECT_EQ(reason(Riff({Chunk("fmt ", {1, 0}), Chunk("data", {1, 2})})),
              "the wave file's format is cut short");
    Bytes compressed = Fmt(1, 4);
    compressed[8] = 2;  // ADPCM
    EXPECT_EQ(reason(Riff({compressed, Chunk("data", {1, 2})})), "the wave file is not plain PCM");
    EXPECT_EQ(reason(Riff({Fmt(1, 24), Chunk("data", {1, 2, 3})})),
              "the wave file's format is not supported");
}

}  // namespace
}  // namespace tambrelox
