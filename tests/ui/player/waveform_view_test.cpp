// The waveform as drawn: a synthetic clip of silence, a full-scale square and
// a sine, its columns read back from the pixels, and the play line as a device
// reports its progress.
#include "ui/player/waveform_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cmath>
#include <numbers>
#include <tuple>

#include "fake_clip_player.h"
#include "player_fixtures.h"
#include "wave_synth.h"

namespace tambrelox {
namespace {

using namespace std::chrono_literals;

constexpr std::size_t kPart = 2205;  // 0.2 s at 11025 samples a second

// 0.2 s each of silence, a full-scale square and a half-scale sine.
std::vector<double> SilenceSquareSine() {
    std::vector<double> sound(kPart, 0.0);
    for (std::size_t i = 0; i < kPart; ++i) sound.push_back((i / 4) % 2 ? -1.0 : 1.0);
    for (std::size_t i = 0; i < kPart; ++i)
        sound.push_back(0.5 * std::sin(2 * std::numbers::pi * 200.0 * static_cast<double>(i) /
                                       fixture::kSampleRate));
    return sound;
}

// A view 400 columns wide inside its frame, showing SilenceSquareSine().
struct ShownClip {
    ShownClip() {
        view.resize(402, view.height());
        view.ShowClip(project->block(project->summary.clips.front().entry));
    }
    std::shared_ptr<const Project> project = testkit::ReadClips(std::move(
        fixture::SpjBuilder().Clip(1, "shape.wav", fixture::MakeWave(SilenceSquareSine(), 16), 2)));
    WaveformView view{NumberFormat{}};
};

// The rows of the wave's colour in column x, top and bottom.
std::optional<std::pair<int, int>> WaveRows(const QImage& image, int x) {
    std::optional<std::pair<int, int>> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != WaveformView::kWave) continue;
        if (!rows) rows = std::pair{y, y};
        rows->second = y;
    }
    return rows;
}

// At 16.5 samples a column, silence ends in column 132 and the sine starts in
// column 266; column 267 holds only the rising sine, above the centre.
TEST(WaveformView, EachColumnSpansTheLowestToTheHighestSampleItCovers) {
    ShownClip shown;
    const QImage image = shown.view.grab().toImage();
    const QRect plot = shown.view.PlotArea();
    ASSERT_EQ(plot.width(), 400);
    const double half = (plot.height() - 1) / 2.0;
    const auto row = [&](double sample) {
        return static_cast<int>(std::lround(plot.top() + half - sample * half));
    };
    const std::tuple<int, double, double> columns[] = {
        {60, 0, 0},   {132, 0, 0},      {133, 1, -1},       {200, 1, -1},
        {266, 1, -1}, {267, 0.5, 0.27}, {300, 0.5, -0.014}, {399, -0.057, -0.5}};
    for (const auto& [column, high, low] : columns) {
        const auto drawn = WaveRows(image, plot.left() + column);
        ASSERT_TRUE(drawn) << "column " << column;
        EXPECT_NEAR(drawn->first, row(high), 1) << "column " << column;
        EXPECT_NEAR(drawn->second, row(low), 1) << "column " << column;
    }
    EXPECT_EQ(shown.view.accessibleDescription(), "0.6 seconds");
}

TEST(WaveformView, ThePlayLineFollowsThePlayerWrapsInARepeatAndGoesWithTheClip) {
    ShownClip shown;
    WaveformView& view = shown.view;
    testkit::FakeClipPlayer player;
    ASSERT_TRUE(player.Play("clip.wav", PlayKind::Once).ok());
    player.processed = 300ms;
    view.Follow(player);
    QTRY_VERIFY(view.PlayPosition() && std::abs(*view.PlayPosition() - 0.3) < 1e-9);
    const QRect plot = view.PlotArea();
    const int x = plot.left() + static_cast<int>(0.5 * (plot.width() - 1));
    EXPECT_EQ(view.grab().toImage().pixelColor(x, plot.top() + 2), WaveformView::kPlayLine);

    player.processed = 900ms;  // a single play waits at the end while its tail drains
    QTRY_VERIFY(view.PlayPosition() && std::abs(*view.PlayPosition() - 0.6) < 1e-9);

    ASSERT_TRUE(player.Play("clip.wav2", PlayKind::Repeating).ok());
    view.Follow(player);
    player.processed = 1500ms;
    QTRY_VERIFY(view.PlayPosition() && std::abs(*view.PlayPosition() - 0.3) < 1e-9);

    player.Stop();
    QTRY_VERIFY(!view.PlayPosition());
    player.refusal = "no sound device";  // a play that never started draws no line at all
    (void)player.Play("clip.wav", PlayKind::Once);
    view.Follow(player);
    EXPECT_FALSE(view.PlayPosition());

    // With no clip, as before one is picked, the area says what it will show,
    // in dark text, with no wave.
    view.ShowClip({});
    const QImage image = view.grab().toImage();
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_NE(image.pixelColor(x, y), WaveformView::kWave) << x << "," << y;
            textPixels += qGray(image.pixel(x, y)) < 128;
        }
    }
    EXPECT_GT(textPixels, 50);
    EXPECT_EQ(view.accessibleDescription(), "Pick a clip to see its sound");
}

}  // namespace
}  // namespace tambrelox
