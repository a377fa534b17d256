#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QTimer>
#include <memory>

#include "ui/shared/wave_device.h"

namespace tambrelox {

// The wave playback device over Qt Multimedia's audio sink. Open reads the
// wave file and widens its samples to 16 bits, so clips of 8, 12 and 16 bits
// all play; Play streams them from memory.
class AudioSinkDevice : public WaveDevice {
    Q_OBJECT

  public:
    AudioSinkDevice();
    ~AudioSinkDevice() override;

    [[nodiscard]] std::optional<QString> Command(WaveCommand command) override;
    [[nodiscard]] WaveMode Mode() const override;
    [[nodiscard]] std::optional<std::chrono::microseconds> Processed() const override;

  private:
    std::optional<QString> open();
    std::optional<QString> play();
    void close();
    void onStateChanged(QAudio::State state);

    QByteArray sound_;
    QBuffer source_;
    std::unique_ptr<QAudioSink> sink_;
    bool playing_ = false;
    bool notifyWhenDone_ = false;
    QTimer doneNotice_;
};

}  // namespace tambrelox
