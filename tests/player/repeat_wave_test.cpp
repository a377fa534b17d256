#include "player/repeat_wave.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstring>
#include <string_view>

#include "wave_synth.h"

namespace tambrelox {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> Repeat(const Bytes& wave, int bits) {
    return BuildRepeatWave(ByteView(wave), bits);
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

void Put(Bytes& bytes, std::size_t at, std::string_view text) {
    std::memcpy(bytes.data() + at, text.data(), text.size());
}

// The same sound behind an 18-byte fmt chunk, so the data chunk starts at 38.
Bytes WithLongFmt(const Bytes& standard) {
    Bytes wave = standard;
    wave[16] = 18;
    wave.insert(wave.begin() + 36, 2, std::uint8_t{0});
    return wave;
}

TEST(BuildRepeatWave, StandardHeaderFillsTenSecondsOfEightBitSound) {
    const Bytes clip = Counting8Bit(11025);
    const auto out = Repeat(clip, 8);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->size(), 44U + 110250U);
    EXPECT_EQ(Bytes(out->begin() + 40, out->begin() + 44), (Bytes{0xAA, 0xAE, 0x01, 0x00}));
    EXPECT_EQ(LE32(*out, 4), 110286U);
    EXPECT_TRUE(std::equal(clip.begin() + 8, clip.begin() + 40, out->begin() + 8)) << "header kept";
    for (std::size_t copy = 0; copy < 10; ++copy) {
        EXPECT_TRUE(std::equal(clip.begin() + 44, clip.end(), out->begin() + 44 + 11025 * copy))
            << copy;
    }
}

TEST(BuildRepeatWave, TwoByteSamplesGetTheDoubleBudget) {
    for (const int bits : {12, 16}) {
        const Bytes clip = fixture::MakeWave(fixture::Tone(500, 1.0), bits).bytes;  // 22050 bytes
        const auto out = Repeat(clip, bits);
        ASSERT_TRUE(out) << bits;
        EXPECT_EQ(LE32(*out, 40), 220500U) << bits;
        EXPECT_EQ(out->size(), 44U + 220500U) << bits;
    }
    const auto eightBit = Repeat(Counting8Bit(22050), 8);
    ASSERT_TRUE(eightBit);
    EXPECT_EQ(LE32(*eightBit, 40), 110250U);
}

TEST(BuildRepeatWave, ClipsOfTheBudgetOrLongerPlayOnceOrNotAtAll) {
    const auto once = Repeat(Counting8Bit(110250), 8);
    ASSERT_TRUE(once);
    EXPECT_EQ(once->size(), 44U + 110250U);

    const auto none = Repeat(Counting8Bit(110251), 8);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->size(), 44U);
    EXPECT_EQ(LE32(*none, 40), 0U);
    EXPECT_EQ(LE32(*none, 4), 36U);
}

TEST(BuildRepeatWave, TinyClipsRepeatPastAnySixteenBitCount) {
    const auto out = Repeat(Counting8Bit(1), 8);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->size(), 44U + 110250U);
}

TEST(BuildRepeatWave, EighteenByteFmtChunkPutsDataAtThirtyEight) {
    const Bytes clip = WithLongFmt(Counting8Bit(1000));
    const auto out = Repeat(clip, 8);
    ASSERT_TRUE(out);
    EXPECT_EQ(LE32(*out, 42), 110000U);
    EXPECT_EQ(out->size(), 46U + 110000U);
    EXPECT_EQ(LE32(*out, 4), 38U + 110000U);
    EXPECT_TRUE(std::equal(clip.begin() + 46, clip.end(), out->begin() + 46));
}

TEST(BuildRepeatWave, WhatFollowsTheSampleDataIsLeftBehind) {
    Bytes clip = Counting8Bit(1001);
    clip.push_back(0);  // pad byte
    for (const char c : std::string_view("LIST\4\0\0\0abcd"))
        clip.push_back(static_cast<std::uint8_t>(c));
    const auto out = Repeat(clip, 8);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->size(), 44U + 110110U);
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

    Bytes empty = Counting8Bit(0);
    EXPECT_FALSE(Repeat(empty, 8)) << "no sample data";

    Bytes shortData = good;
    shortData.pop_back();
    EXPECT_FALSE(Repeat(shortData, 8)) << "file ends before h + n";

    EXPECT_FALSE(Repeat(Bytes(good.begin(), good.begin() + 39), 8)) << "file ends inside the scan";

    Bytes noTa = good;
    Put(noTa, 38, "tx");
    EXPECT_FALSE(Repeat(noTa, 8)) << "\"ta\" missing";
}

// libsndfile reads memory through these.
struct MemoryFile {
    const Bytes* bytes;
    sf_count_t at = 0;
};

SNDFILE* OpenWithLibsndfile(MemoryFile& file, SF_INFO& info) {
    static SF_VIRTUAL_IO io = {
        [](void* user) {
            return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes->size());
        },
        [](sf_count_t offset, int whence, void* user) {
            auto* f = static_cast<MemoryFile*>(user);
            const sf_count_t base = whence == SEEK_SET ? 0
                                    : whence == SEEK_CUR
                                        ? f->at
                                        : static_cast<sf_count_t>(f->bytes->size());
            f->at = base + offset;
            return f->at;
        },
        [](void* out, sf_count_t count, void* user) {
            auto* f = static_cast<MemoryFile*>(user);
            const sf_count_t left = static_cast<sf_count_t>(f->bytes->size()) - f->at;
            const sf_count_t n = std::max<sf_count_t>(0, std::min(count, left));
            std::memcpy(out, f->bytes->data() + f->at, static_cast<std::size_t>(n));
            f->at += n;
            return n;
        },
        [](const void*, sf_count_t, void*) -> sf_count_t { return 0; },
        [](void* user) { return static_cast<MemoryFile*>(user)->at; },
    };
    return sf_open_virtual(&io, SFM_READ, &info, &file);
}

TEST(BuildRepeatWave, AnIndependentReaderHearsTheClipRepeated) {
    for (const int bits : {8, 16}) {
        const Bytes clip = fixture::MakeWave(fixture::Tone(440, 0.3), bits).bytes;
        const auto out = Repeat(clip, bits);
        ASSERT_TRUE(out);
        MemoryFile clipFile{&clip}, repeatFile{&*out};
        SF_INFO clipInfo{}, repeatInfo{};
        SNDFILE* clipSound = OpenWithLibsndfile(clipFile, clipInfo);
        SNDFILE* repeatSound = OpenWithLibsndfile(repeatFile, repeatInfo);
        ASSERT_TRUE(clipSound && repeatSound) << sf_strerror(nullptr);
        EXPECT_EQ(repeatInfo.samplerate, 11025);
        EXPECT_EQ(repeatInfo.channels, 1);
        const sf_count_t repeats = (bits == 8 ? 110250 : 220500) / (clipInfo.frames * (bits / 8));
        ASSERT_EQ(repeatInfo.frames, repeats * clipInfo.frames) << bits;
        std::vector<short> once(static_cast<std::size_t>(clipInfo.frames));
        std::vector<short> all(static_cast<std::size_t>(repeatInfo.frames));
        ASSERT_EQ(sf_read_short(clipSound, once.data(), clipInfo.frames), clipInfo.frames);
        ASSERT_EQ(sf_read_short(repeatSound, all.data(), repeatInfo.frames), repeatInfo.frames);
        for (sf_count_t r = 0; r < repeats; ++r) {
            EXPECT_TRUE(std::equal(once.begin(), once.end(), all.begin() + r * clipInfo.frames))
                << bits << " copy " << r;
        }
        sf_close(clipSound);
        sf_close(repeatSound);
    }
}

}  // namespace
}  // namespace tambrelox
