// Plays a clip of each depth through the real device and records the null
// sink's monitor: every sample must arrive, unchanged, to the last. Then the
// play line of a longer clip follows the device.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <iostream>

#include "core/base/file_bytes.h"
#include "core/sound/pcm_wave.h"
#include "player_fixtures.h"
#include "ui/player/waveform_view.h"
#include "ui/shared/audio_back_end.h"
#include "wave_synth.h"

namespace tambrelox {
namespace {

using Samples = std::vector<std::int16_t>;

// The sink may shape its very first milliseconds; from then on it must be exact.
constexpr std::size_t kSettleSamples = 110;
constexpr std::size_t kMatchWindow = 64;
constexpr int kRecorderStartMs = 5000;

Samples AsSamples(const QByteArray& raw) {
    Samples samples(static_cast<std::size_t>(raw.size()) / 2);
    std::memcpy(samples.data(), raw.data(), samples.size() * 2);
    return samples;
}

// Where `sound` starts in `recorded`, found by a stretch past its first milliseconds.
std::optional<std::size_t> StartOf(const Samples& sound, const Samples& recorded) {
    const auto key = sound.begin() + kSettleSamples;
    const auto found = std::search(recorded.begin(), recorded.end(), key, key + kMatchWindow);
    if (found == recorded.end() ||
        found - recorded.begin() < static_cast<std::ptrdiff_t>(kSettleSamples)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - recorded.begin()) - kSettleSamples;
}

TEST(NullSinkPlayback, EveryDepthArrivesWholeAndUnchangedAndThePlayLineFollows) {
    ASSERT_FALSE(QMediaDevices::audioOutputs().isEmpty()) << "the null sink is not seen";
    QProcess recorder;
    QByteArray raw;
    QObject::connect(&recorder, &QProcess::readyReadStandardOutput,
                     [&] { raw += recorder.readAllStandardOutput(); });
    recorder.start("parec", {"-d", "exact.monitor", "--raw", "--format=s16le", "--rate=11025",
                             "--channels=1", "--latency-msec=5"});
    QSignalSpy recording(&recorder, &QProcess::readyReadStandardOutput);
    ASSERT_TRUE(recording.wait(kRecorderStartMs)) << "the recorder delivers nothing";

    const testkit::ScratchFolder folder;
    const auto player = MakeAudioClipPlayer();
    QSignalSpy done(player.get(), &ClipPlayer::finished);
    std::vector<Samples> played;
    for (const int bits : {8, 12, 16}) {
        const auto wave = fixture::MakeWave(fixture::Tone(300.0 + 100 * bits, 0.4), bits);
        const auto path = folder.path() / ("clip" + std::to_string(bits) + ".wav");
        ASSERT_TRUE(WriteWholeFile(path, wave.bytes).ok());
        played.push_back(ReadPcmWave(ByteView(wave.bytes)).value().samples);

        ASSERT_TRUE(player->Play(path, PlayKind::Once).ok()) << bits;
        EXPECT_TRUE(player->IsPlaying());
        ASSERT_TRUE(done.wait(5000)) << bits << "-bit play never ended";
        EXPECT_FALSE(player->IsPlaying());
    }
    QTest::qWait(300);  // the monitor's last samples are still on their way
    recorder.kill();
    recorder.waitForFinished();

    const Samples recorded = AsSamples(raw);
    std::size_t from = 0;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Samples& sound = played[i];
        const Samples rest(recorded.begin() + static_cast<std::ptrdiff_t>(from), recorded.end());
        const auto start = StartOf(sound, rest);
        ASSERT_TRUE(start) << "clip " << i << " never arrived";
        const std::size_t at = from + *start;
        ASSERT_LE(at + sound.size(), recorded.size()) << "clip " << i << " was cut short";
        std::size_t differing = 0;
        for (std::size_t s = kSettleSamples; s < sound.size(); ++s)
            differing += recorded[at + s] != sound[s];
        EXPECT_EQ(differing, 0U) << "clip " << i;
        from = at + sound.size();
    }

    // The player's play line rides on the sink's own count of what it has
    // taken in, so it moves on through a real play and goes when the play ends.
    const auto wave = fixture::MakeWave(fixture::Tone(440, 1.5), 16);
    const auto path = folder.path() / "clip.wav";
    ASSERT_TRUE(WriteWholeFile(path, wave.bytes).ok());
    WaveformView view{NumberFormat{}};
    view.resize(600, view.height());
    view.ShowClip(ByteView(wave.bytes));
    done.clear();
    ASSERT_TRUE(player->Play(path, PlayKind::Once).ok());
    view.Follow(*player);

    std::vector<double> seen;
    while (done.isEmpty() && seen.size() < 50) {
        QTest::qWait(100);
        if (const auto at = view.PlayPosition()) seen.push_back(*at);
    }
    ASSERT_TRUE(done.wait(5000) || !done.isEmpty()) << "the play never ended";
    ASSERT_GE(seen.size(), 5U);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_LT(seen.front(), 0.5);
    EXPECT_GT(seen.back(), 1.0);
    EXPECT_LE(seen.back(), 1.5);
    QTRY_VERIFY(!view.PlayPosition());
}

}  // namespace
}  // namespace tambrelox
