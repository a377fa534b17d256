// Wave files as the player takes them: the samples they hold, and the repeat
// play wave built from them.
#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

#include "core/sound/pcm_wave.h"
#include "core/sound/repeat_wave.h"
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

// The repeat wave, or nothing where it is refused as the player reports it.
std::optional<Bytes> Repeat(const Bytes& wave, int bits) {
    auto repeat = BuildRepeatWave(ByteView(wave), bits);
    if (repeat.ok()) return std::move(repeat).value();
    EXPECT_EQ(repeat.refusal().kind, RefusalKind::BadWave);
    EXPECT_EQ(repeat.refusal().message, "Problem reading Wavefile");
    return std::nullopt;
}

// The offset a refusal names, where it names one.
std::optional<std::uint64_t> RefusedAt(const Bytes& wave) {
    const auto repeat = BuildRepeatWave(ByteView(wave), 8);
    if (repeat.ok() || !repeat.refusal().place) return std::nullopt;
    EXPECT_EQ(repeat.refusal().place->in, Place::In::FileOffset);
    return repeat.refusal().place->at;
}

std::uint32_t LE32(const Bytes& bytes, std::size_t at) {
    return *ByteView(bytes).u32le(at);
}

// A 44-byte wave file whose n sample bytes count 0, 1, 2, ... so every copy can be told apart.
Bytes Counting8Bit(std::size_t n) {
    Bytes wave = fixture::MakeWave(std::vector<double>(n, 0.0), 8).bytes;
    for (std::size_t i = 0; i < n; ++i) wave[44 + i] = static_cast<std::uint8_t>(i * 7);
    return wave;
}

// The same sound behind an 18-byte fmt chunk, so the data chunk starts at 38.
Bytes WithLongFmt(const Bytes& standard) {
    Bytes wave = standard;
    wave[16] = 18;
    wave.insert(wave.begin() + 36, 2, std::uint8_t{0});
    return wave;
}

Bytes WithTrailingChunk(Bytes clip) {
    clip.push_back(0);  // pad byte
    const Bytes list = Chunk("LIST", {'a', 'b', 'c', 'd'});
    clip.insert(clip.end(), list.begin(), list.end());
    return clip;
}

// Whole copies fill 110250 bytes of one-byte samples or 220500 of two-byte ones
// (8-bit and 16-bit clips of the demo are checked through the command line).
TEST(BuildRepeatWave, FillsTheBudgetWithWholeCopiesAndFixesBothLengths) {
    struct Case {
        const char* what;
        Bytes clip;
        int bits;
        std::size_t dataAt;
        std::uint32_t dataLength;
    };
    const Bytes tone = fixture::MakeWave(fixture::Tone(500, 1.0), 12).bytes;  // 22050 bytes
    for (const Case& c : {Case{"12-bit budget", tone, 12, 44, 220500},
                          Case{"the budget plays once", Counting8Bit(110250), 8, 44, 110250},
                          Case{"longer plays not at all", Counting8Bit(110251), 8, 44, 0},
                          Case{"past a 16-bit count", Counting8Bit(1), 8, 44, 110250},
                          Case{"18-byte fmt chunk", WithLongFmt(Counting8Bit(1000)), 8, 46, 110000},
                          Case{"trailing chunk left behind", WithTrailingChunk(Counting8Bit(1001)),
                               8, 44, 110110}}) {
        const auto out = Repeat(c.clip, c.bits);
        ASSERT_TRUE(out) << c.what;
        EXPECT_EQ(out->size(), c.dataAt + c.dataLength) << c.what;
        EXPECT_EQ(LE32(*out, c.dataAt - 4), c.dataLength) << c.what;
        EXPECT_EQ(LE32(*out, 4), c.dataAt - 8 + c.dataLength) << c.what;
    }
}

TEST(BuildRepeatWave, RefusesHeadersTheScanCannotTrust) {
    const Bytes good = Counting8Bit(100);
    const auto head = [&](std::ptrdiff_t n) { return Bytes(good.begin(), good.begin() + n); };
    const auto joined = [&](Bytes front, std::string_view middle) {
        front.insert(front.end(), middle.begin(), middle.end());
        front.insert(front.end(), good.begin() + 36, good.end());
        return front;
    };
    Bytes odd = WithLongFmt(good);  // "data" at 37: only even offsets are looked at
    odd.erase(odd.begin() + 36);
    odd[16] = 17;
    Bytes high = good, shortData = good, noTa = good;
    high[43] = 1;
    shortData.pop_back();
    noTa[39] = 'x';  // "datx"
    const struct {
        const char* what;
        Bytes wave;
        std::optional<std::uint64_t> at;
    } cases[] = {
        {"odd offset", odd, std::nullopt},
        {"beyond 226", joined(head(36), std::string(192, 'x')), std::nullopt},
        {"da inside another chunk", joined(head(36), std::string_view("LIST\4\0\0\0dawn", 12)), 44},
        {"high length byte", high, 40},
        {"no sample data", Counting8Bit(0), 44},
        {"file ends before h + n", shortData, 44},
        {"file ends inside the scan", head(39), 36},
        {"\"ta\" missing", noTa, 36},  // the "da" the scan found
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Repeat(c.wave, 8)) << c.what;
        EXPECT_EQ(RefusedAt(c.wave), c.at) << c.what;
    }
}

}  // namespace
}  // namespace tambrelox
