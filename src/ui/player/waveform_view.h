#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/base/byte_view.h"
#include "core/base/number_format.h"
#include "core/sound/waveform_envelope.h"

namespace tambrelox {

class ClipPlayer;

// The selected clip's waveform: each pixel column spans the lowest to the
// highest sample it covers, about a centre line, with the clip's length below.
// While the clip plays, a line marks where the device has got to. Its colours
// are fixed, on a background of its own, so they read the same under any palette.
class WaveformView : public QWidget {
    Q_OBJECT

  public:
    static constexpr QColor kBackground{255, 255, 255};
    static constexpr QColor kWave{0, 0, 160};
    static constexpr QColor kCentreLine{118, 118, 118};
    static constexpr QColor kPlayLine{192, 0, 0};
    static constexpr QColor kText{0, 0, 0};

    explicit WaveformView(NumberFormat format, QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;

    // Shows the sound of a clip's wave file; one that cannot be decoded leaves
    // the area as it is before a clip is picked, saying what it will show.
    void ShowClip(ByteView wave);
    // Marks the play position as `player` reports it, until it stops playing.
    void Follow(const ClipPlayer& player);
    void StopFollowing();

    // Where the waveform is drawn, inside the frame and above the length.
    [[nodiscard]] QRect PlotArea() const;
    [[nodiscard]] std::optional<double> PlayPosition() const { return position_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ReadPlayer();
    const std::vector<EnvelopeColumn>& EnvelopeFor(int columns);

    NumberFormat format_;
    std::vector<std::int16_t> samples_;  // kept to draw again at a new width
    double seconds_ = 0;
    std::vector<EnvelopeColumn> envelope_;  // for the plot's width as last painted
    const ClipPlayer* player_ = nullptr;
    std::optional<double> position_;  // seconds into the clip
    QTimer repaintClock_;
};

}  // namespace tambrelox
