#include "core/sound/waveform_envelope.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tambrelox {
namespace {

using Samples = std::vector<std::int16_t>;

// The extremes of a run, worked out the plain way.
EnvelopeColumn Plain(const Samples& samples, std::size_t from, std::size_t to) {
    const auto [low, high] = std::minmax_element(samples.begin() + static_cast<long>(from),
                                                 samples.begin() + static_cast<long>(to));
    return {static_cast<float>(*low) / 32768.0F, static_cast<float>(*high) / 32768.0F};
}

TEST(WaveformEnvelope, EveryColumnHoldsTheExtremesOfItsOwnRun) {
    Samples samples(1000);
    // Deterministic but irregular, with a lone spike that must not be lost.
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>((static_cast<int>(i) * 7919) % 20001 - 10000);
    samples[333] = 32767;
    samples[334] = -32768;
    const auto envelope = WaveformEnvelope(samples, 7);  // runs of 142 or 143 samples
    ASSERT_EQ(envelope.size(), 7U);
    std::size_t from = 0;
    for (std::size_t c = 0; c < 7; ++c) {
        const std::size_t to = (c + 1) * 1000 / 7;
        EXPECT_EQ(envelope[c], Plain(samples, from, to)) << c;
        from = to;
    }
    EXPECT_EQ(envelope[2].high, 32767.0F / 32768.0F);
    EXPECT_EQ(envelope[2].low, -1.0F);
}

TEST(WaveformEnvelope, RunsLongerThanAVectorBlockAndTheirTailsAreAllRead) {
    Samples samples(64 * 5 + 13, 0);
    for (const std::size_t at : {std::size_t{0}, std::size_t{63}, std::size_t{64 * 5 + 12}}) {
        Samples one = samples;
        one[at] = 1000;
        EXPECT_EQ(WaveformEnvelope(one, 1).front().high, 1000.0F / 32768.0F) << at;
    }
}

TEST(WaveformEnvelope, FewerSamplesThanColumnsShowTheSampleEachFallsOn) {
    const Samples samples{-16384, 0, 16384};
    const auto envelope = WaveformEnvelope(samples, 6);
    ASSERT_EQ(envelope.size(), 6U);
    const std::vector<float> expected{-0.5F, -0.5F, 0, 0, 0.5F, 0.5F};
    for (std::size_t c = 0; c < 6; ++c) {
        EXPECT_EQ(envelope[c].low, expected[c]) << c;
        EXPECT_EQ(envelope[c].high, expected[c]) << c;
    }
    EXPECT_TRUE(WaveformEnvelope({}, 600).empty());
    EXPECT_TRUE(WaveformEnvelope(samples, 0).empty());
}

TEST(PlayPosition, ARepeatWrapsWithinTheClipAndASinglePlayStopsAtItsEnd) {
    EXPECT_DOUBLE_EQ(PositionInClip(0.75, 2.0, PlayKind::Once), 0.75);
    EXPECT_DOUBLE_EQ(PositionInClip(2.2, 2.0, PlayKind::Once), 2.0);  // the trailing silence
    EXPECT_DOUBLE_EQ(PositionInClip(0.75, 2.0, PlayKind::Repeating), 0.75);
    EXPECT_DOUBLE_EQ(PositionInClip(4.5, 2.0, PlayKind::Repeating), 0.5);
    EXPECT_DOUBLE_EQ(PositionInClip(1.0, 0.0, PlayKind::Repeating), 0.0);
    EXPECT_DOUBLE_EQ(PositionInClip(-0.1, 2.0, PlayKind::Once), 0.0);
}

}  // namespace
}  // namespace tambrelox
