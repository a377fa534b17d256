#include "ui/player/waveform_view.h"

#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include "core/sound/clip_wave.h"
#include "core/sound/pcm_wave.h"
#include "ui/shared/clip_player.h"

namespace tambrelox {
namespace {

constexpr int kHeight = 100;
constexpr int kSmallestHeight = 48;  // what a small screen with large fonts leaves it
constexpr int kRepaintMs =
    30;  // about the screen's pace; the position itself comes from the player
constexpr int kTextMargin = 4;
constexpr auto kNothingPicked = "Pick a clip to see its sound";

}  // namespace

WaveformView::WaveformView(NumberFormat format, QWidget* parent)
    : QWidget(parent), format_(std::move(format)) {
    setObjectName("Waveform");
    setAccessibleName("Waveform of the selected clip");
    setAccessibleDescription(QString::fromLatin1(kNothingPicked));
    setMinimumHeight(kSmallestHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    repaintClock_.setInterval(kRepaintMs);
    connect(&repaintClock_, &QTimer::timeout, this, &WaveformView::ReadPlayer);
}

QSize WaveformView::sizeHint() const {
    return {kHeight, kHeight};
}

void WaveformView::ShowClip(ByteView wave) {
    StopFollowing();  // a play still going on is of the clip shown before
    samples_.clear();
    envelope_.clear();
    seconds_ = 0;
    if (auto sound = ReadPcmWave(wave); sound.ok() && !sound.value().samples.empty()) {
        const Pcm16Sound& decoded = sound.value();
        seconds_ =
            static_cast<double>(decoded.samples.size()) / decoded.channels / decoded.sampleRate;
        samples_ = std::move(sound).value().samples;
    }
    setAccessibleDescription(
        samples_.empty() ? QString::fromLatin1(kNothingPicked)
                         : QString::fromStdString(PlaySecondsText(seconds_, format_) + " seconds"));
    update();
}

void WaveformView::Follow(const ClipPlayer& player) {
    StopFollowing();
    if (!player.IsPlaying() || samples_.empty()) return;  // the play did not start
    player_ = &player;
    position_ = 0.0;
    repaintClock_.start();
    update();
}

void WaveformView::StopFollowing() {
    repaintClock_.stop();
    player_ = nullptr;
    if (position_) {
        position_.reset();
        update();
    }
}

void WaveformView::ReadPlayer() {
    if (!player_ || !player_->IsPlaying()) {
        StopFollowing();
        return;
    }
    const auto processed = player_->Processed();
    const std::chrono::duration<double> played = processed.value_or(std::chrono::microseconds(0));
    position_ = PositionInClip(played.count(), seconds_, player_->Kind());
    update();
}

QRect WaveformView::PlotArea() const {
    const int textHeight = fontMetrics().height() + kTextMargin;
    return rect().adjusted(1, 1, -1, -1 - textHeight);
}

const std::vector<EnvelopeColumn>& WaveformView::EnvelopeFor(int columns) {
    if (std::cmp_not_equal(envelope_.size(), columns))
        envelope_ = WaveformEnvelope(samples_, static_cast<std::size_t>(std::max(columns, 0)));
    return envelope_;
}

void WaveformView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (samples_.empty()) {
        painter.setPen(kText);
        painter.drawText(rect(), Qt::AlignCenter, QString::fromLatin1(kNothingPicked));
        return;
    }
    const QRect plot = PlotArea();
    const double middle = plot.top() + (plot.height() - 1) / 2.0;
    const double halfHeight = (plot.height() - 1) / 2.0;

    painter.setPen(kCentreLine);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Under the wave, so that silence still shows as a line of the wave's colour.
    painter.drawLine(plot.left(), static_cast<int>(std::lround(middle)), plot.right(),
                     static_cast<int>(std::lround(middle)));
    painter.setPen(kWave);
    const std::vector<EnvelopeColumn>& columns = EnvelopeFor(plot.width());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int x = plot.left() + static_cast<int>(i);
        painter.drawLine(x, static_cast<int>(std::lround(middle - columns[i].high * halfHeight)), x,
                         static_cast<int>(std::lround(middle - columns[i].low * halfHeight)));
    }

    if (position_ && seconds_ > 0) {
        const int x = plot.left() + static_cast<int>(*position_ / seconds_ * (plot.width() - 1));
        painter.setPen(QPen(kPlayLine, 2));
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }

    painter.setPen(kText);
    const QRect band(plot.left() + kTextMargin, plot.bottom() + 1, plot.width() - 2 * kTextMargin,
                     rect().bottom() - plot.bottom());
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, "0");
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(PlaySecondsText(seconds_, format_) + " s"));
}

}  // namespace tambrelox
