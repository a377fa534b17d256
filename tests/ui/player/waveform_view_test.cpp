// The waveform as drawn: a synthetic clip of silence, a full-scale square and
// a sine, its columns read back from the pixels, and the play line as a device
// reports its progress.
#include "ui/player/waveform_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <numbers>

#include "fake_clip_player.h"
#include "fake_user_dialogs.h"
#include "player_fixtures.h"
#include "ui/player/soundtest.h"
#include "wave_synth.h"
#include "widget_probe.h"

namespace tambrelox {
namespace {

using namespace std::chrono_literals;

constexpr std::size_t kPart = 2205;  // 0.2 s at 11025 samples a second
constexpr int kViewWidth = 402;      // a 400-column plot inside the frame

// 0.2 s each of silence, a full-scale square and a half-scale sine.
std::vector<double> SilenceSquareSine() {
    std::vector<double> sound(kPart, 0.0);
    for (std::size_t i = 0; i < kPart; ++i) sound.push_back((i / 4) % 2 ? -1.0 : 1.0);
    for (std::size_t i = 0; i < kPart; ++i)
        sound.push_back(0.5 * std::sin(2 * std::numbers::pi * 200.0 * static_cast<double>(i) /
                                       fixture::kSampleRate));
    return sound;
}

std::shared_ptr<const Project> ClipProject() {
    return testkit::ReadClips(std::move(
        fixture::SpjBuilder().Clip(1, "shape.wav", fixture::MakeWave(SilenceSquareSine(), 16), 2)));
}

// The 16-bit samples straight from the clip's bytes, after the 44-byte header.
std::vector<int> SamplesOf(const Project& project) {
    const auto bytes = project.block(project.summary.clips.front().entry).bytes();
    std::vector<int> samples;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8));
    return samples;
}

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

TEST(WaveformView, EachColumnSpansTheLowestToTheHighestSampleItCovers) {
    const auto project = ClipProject();
    WaveformView view{NumberFormat{}};
    view.resize(kViewWidth, view.height());
    view.ShowClip(project->block(project->summary.clips.front().entry));
    const QImage image = view.grab().toImage();
    const QRect plot = view.PlotArea();
    ASSERT_EQ(plot.width(), 400);

    const std::vector<int> samples = SamplesOf(*project);
    ASSERT_EQ(samples.size(), 3 * kPart);
    const double middle = plot.top() + (plot.height() - 1) / 2.0;
    const double half = (plot.height() - 1) / 2.0;
    const auto row = [&](int sample) {
        return static_cast<int>(std::lround(middle - sample / 32768.0 * half));
    };
    for (int c = 0; c < plot.width(); ++c) {
        const std::size_t from = static_cast<std::size_t>(c) * samples.size() / 400;
        const std::size_t to = static_cast<std::size_t>(c + 1) * samples.size() / 400;
        int low = samples[from];
        int high = samples[from];
        for (std::size_t i = from; i < to; ++i) {
            low = std::min(low, samples[i]);
            high = std::max(high, samples[i]);
        }
        const auto drawn = WaveRows(image, plot.left() + c);
        ASSERT_TRUE(drawn) << "column " << c;
        EXPECT_NEAR(drawn->first, row(high), 1) << "column " << c;
        EXPECT_NEAR(drawn->second, row(low), 1) << "column " << c;
    }
    // Silence is a flat line on the centre, the square fills the height, the sine half of it.
    EXPECT_EQ(WaveRows(image, plot.left() + 60)->first, WaveRows(image, plot.left() + 60)->second);
    EXPECT_LE(WaveRows(image, plot.left() + 200)->first, plot.top() + 1);
    EXPECT_GE(WaveRows(image, plot.left() + 200)->second, plot.bottom() - 1);
    int sineTop = plot.bottom();
    for (int c = 270; c < 400; ++c)
        sineTop = std::min(sineTop, WaveRows(image, plot.left() + c)->first);
    EXPECT_NEAR(sineTop, row(16384), 1);
    EXPECT_EQ(view.accessibleDescription(), "0.6 seconds");
}

// Before a clip is picked the area says what it will show, in dark text, with no wave.
TEST(WaveformView, NothingChosenSaysWhatWillBeShown) {
    WaveformView view{NumberFormat{}};
    view.resize(kViewWidth, view.height());
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
    EXPECT_FALSE(view.PlayPosition());
}

TEST(WaveformView, ThePlayLineFollowsThePlayerWrapsInARepeatAndGoesWhenItStops) {
    const auto project = ClipProject();
    WaveformView view{NumberFormat{}};
    view.resize(kViewWidth, view.height());
    view.ShowClip(project->block(project->summary.clips.front().entry));
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
}

// The player with its waveform below everything it had before.
TEST(WaveformView, ThePlayerShowsTheSelectedClipBelowItsOtherControls) {
    SessionState state;
    state.projectFileName = "shape.spj";
    state.project = ClipProject();
    testkit::FakeUserDialogs dialogs;
    auto owned = std::make_unique<testkit::FakeClipPlayer>();
    testkit::FakeClipPlayer& player = *owned;
    ClipPlayerWindow window(state, dialogs, std::move(owned));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* view = testkit::Child<WaveformView>(window, "Waveform");
    EXPECT_EQ(view->accessibleName(), "Waveform of the selected clip");
    const QWidget* titleLine = testkit::Child(window, "Label1");
    EXPECT_GT(view->y(), titleLine->geometry().bottom());
    EXPECT_EQ(view->width(), view->parentWidget()->layout()->contentsRect().width());

    testkit::Child<QListWidget>(window, "SoundList")->setCurrentRow(0);
    player.processed = 400ms;
    testkit::Child<QPushButton>(window, "cmdPlay")->click();
    QTRY_VERIFY(view->PlayPosition() && *view->PlayPosition() > 0);
    view->repaint();
    testkit::SaveScreenshot(window, "soundtest-waveform.png");
    testkit::Child<QPushButton>(window, "cmdQuit")->click();
    EXPECT_FALSE(view->PlayPosition());
}

}  // namespace
}  // namespace tambrelox
