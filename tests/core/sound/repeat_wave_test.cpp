#include "core/sound/repeat_wave.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <string_view>

#include "core/base/file_bytes.h"
#include "player_fixtures.h"
#include "wave_synth.h"

namespace tambrelox {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

TEST(BuildRepeatWave, CopiesTheSoundDataBehindTheClipsOwnHeader) {
    const Bytes clip = Counting8Bit(11025);
    const auto out = Repeat(clip, 8);
    ASSERT_TRUE(out);
    EXPECT_TRUE(std::equal(clip.begin() + 8, clip.begin() + 40, out->begin() + 8)) << "header kept";
    for (std::size_t copy = 0; copy < 10; ++copy) {
        EXPECT_TRUE(std::equal(clip.begin() + 44, clip.end(),
                               out->begin() + 44 + 11025 * static_cast<std::ptrdiff_t>(copy)))
            << copy;
    }
}

Bytes WithTrailingChunk(Bytes clip) {
    clip.push_back(0);  // pad byte
    for (const char c : std::string_view("LIST\4\0\0\0abcd"))
        clip.push_back(static_cast<std::uint8_t>(c));
    return clip;
}

// Whole copies fill 110250 bytes of one-byte samples or 220500 of two-byte ones.
TEST(BuildRepeatWave, FillsTheBudgetWithWholeCopiesAndFixesBothLengths) {
    struct Case {
        const char* what;
        Bytes clip;
        int bits;
        std::size_t dataAt;
        std::uint32_t dataLength;
    };
    const Bytes tone = fixture::MakeWave(fixture::Tone(500, 1.0), 12).bytes;  // 22050 bytes
    for (const Case& c :
         {Case{"ten copies", Counting8Bit(11025), 8, 44, 110250},
          Case{"12-bit budget", tone, 12, 44, 220500}, Case{"16-bit budget", tone, 16, 44, 220500},
          Case{"8-bit budget", Counting8Bit(22050), 8, 44, 110250},
          Case{"the budget plays once", Counting8Bit(110250), 8, 44, 110250},
          Case{"longer plays not at all", Counting8Bit(110251), 8, 44, 0},
          Case{"past a 16-bit count", Counting8Bit(1), 8, 44, 110250},
          Case{"18-byte fmt chunk", WithLongFmt(Counting8Bit(1000)), 8, 46, 110000},
          Case{"trailing chunk left behind", WithTrailingChunk(Counting8Bit(1001)), 8, 44,
               110110}}) {
        const auto out = Repeat(c.clip, c.bits);
        ASSERT_TRUE(out) << c.what;
        EXPECT_EQ(out->size(), c.dataAt + c.dataLength) << c.what;
        EXPECT_EQ(LE32(*out, c.dataAt - 4), c.dataLength) << c.what;
        EXPECT_EQ(LE32(*out, 4), c.dataAt - 8 + c.dataLength) << c.what;
    }
}

TEST(BuildRepeatWave, RefusesHeadersTheScanCannotTrust) {
    const Bytes good = Counting8Bit(100);

    Bytes odd = WithLongFmt(good);  // "data" at 37: only even offsets are looked at
    odd.erase(odd.begin() + 36);
    odd[16] = 17;
    EXPECT_FALSE(Repeat(odd, 8)) << "odd offset";

    Bytes late(good.begin(), good.begin() + 36);  // "data" at 228, past the last pair scanned
    late.insert(late.end(), 192, 'x');
    late.insert(late.end(), good.begin() + 36, good.end());
    EXPECT_FALSE(Repeat(late, 8)) << "beyond 226";

    Bytes hidden(good.begin(), good.begin() + 36);  // "da" inside a LIST chunk comes first
    for (const char c : std::string_view("LIST\4\0\0\0dawn"))
        hidden.push_back(static_cast<std::uint8_t>(c));
    hidden.insert(hidden.end(), good.begin() + 36, good.end());
    EXPECT_FALSE(Repeat(hidden, 8)) << "da inside another chunk";

    Bytes high = good;
    high[43] = 1;
    EXPECT_FALSE(Repeat(high, 8)) << "high length byte";
    EXPECT_EQ(RefusedAt(high), 40U) << "the length field";

    EXPECT_FALSE(Repeat(Counting8Bit(0), 8)) << "no sample data";

    Bytes shortData = good;
    shortData.pop_back();
    EXPECT_FALSE(Repeat(shortData, 8)) << "file ends before h + n";

    EXPECT_FALSE(Repeat(Bytes(good.begin(), good.begin() + 39), 8)) << "file ends inside the scan";

    Bytes noTa = good;
    noTa[39] = 'x';  // "datx"
    EXPECT_FALSE(Repeat(noTa, 8)) << "\"ta\" missing";
    EXPECT_EQ(RefusedAt(noTa), 36U) << "the \"da\" the scan found";
}

// Every sample of a wave file as libsndfile reads it.
std::vector<short> ReadWithLibsndfile(const Bytes& wave, SF_INFO& info) {
    const testkit::ScratchFolder folder;
    const auto path = folder.path() / "wave.wav";
    EXPECT_TRUE(WriteWholeFile(path, wave).ok());
    SNDFILE* sound = sf_open(path.c_str(), SFM_READ, &info);
    EXPECT_TRUE(sound) << sf_strerror(nullptr);
    std::vector<short> samples(sound ? static_cast<std::size_t>(info.frames) : 0);
    if (sound) {
        EXPECT_EQ(sf_read_short(sound, samples.data(), info.frames), info.frames);
        sf_close(sound);
    }
    return samples;
}

TEST(BuildRepeatWave, AnIndependentReaderHearsTheClipRepeated) {
    for (const int bits : {8, 16}) {
        const Bytes clip = fixture::MakeWave(fixture::Tone(440, 0.3), bits).bytes;
        const auto out = Repeat(clip, bits);
        ASSERT_TRUE(out);
        SF_INFO clipInfo{}, repeatInfo{};
        const std::vector<short> once = ReadWithLibsndfile(clip, clipInfo);
        const std::vector<short> all = ReadWithLibsndfile(*out, repeatInfo);
        EXPECT_EQ(repeatInfo.samplerate, 11025);
        EXPECT_EQ(repeatInfo.channels, 1);
        const sf_count_t repeats = (bits == 8 ? 110250 : 220500) / (clipInfo.frames * (bits / 8));
        ASSERT_EQ(repeatInfo.frames, repeats * clipInfo.frames) << bits;
        for (sf_count_t r = 0; r < repeats; ++r) {
            EXPECT_TRUE(std::equal(once.begin(), once.end(), all.begin() + r * clipInfo.frames))
                << bits << " copy " << r;
        }
    }
}

}  // namespace
}  // namespace tambrelox
