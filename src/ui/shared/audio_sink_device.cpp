#include "ui/shared/audio_sink_device.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <cstring>

#include "core/base/file_bytes.h"
#include "core/sound/pcm_wave.h"

namespace tambrelox {
namespace {

// The sink reports Idle while about the last 100 ms are still on their way to
// the speaker; this much silence after the sound keeps its tail from being cut.
constexpr int kTailSilenceMs = 200;

QByteArray WithTailSilence(const Pcm16Sound& sound) {
    const auto silentSamples =
        static_cast<qsizetype>(sound.sampleRate) * sound.channels * kTailSilenceMs / 1000;
    const qsizetype soundBytes = static_cast<qsizetype>(sound.samples.size()) * qsizetype{2};
    QByteArray bytes(soundBytes + silentSamples * static_cast<qsizetype>(sizeof(std::int16_t)),
                     '\0');
    std::memcpy(bytes.data(), sound.samples.data(), static_cast<std::size_t>(soundBytes));
    return bytes;
}

}  // namespace

AudioSinkDevice::AudioSinkDevice() {
    doneNotice_.setSingleShot(true);
    doneNotice_.setInterval(0);
    connect(&doneNotice_, &QTimer::timeout, this, &WaveDevice::Done);
}

AudioSinkDevice::~AudioSinkDevice() {
    close();
}

std::optional<QString> AudioSinkDevice::Command(WaveCommand command) {
    switch (command) {
        case WaveCommand::Open:
            return open();
        case WaveCommand::Play:
            return play();
        case WaveCommand::Close:
            close();
            break;
    }
    return std::nullopt;
}

WaveMode AudioSinkDevice::Mode() const {
    if (!sink_) return WaveMode::NotOpen;
    return playing_ ? WaveMode::Playing : WaveMode::Stopped;
}

std::optional<std::chrono::microseconds> AudioSinkDevice::Processed() const {
    if (!sink_ || !playing_) return std::nullopt;
    return std::chrono::microseconds(sink_->processedUSecs());
}

std::optional<QString> AudioSinkDevice::open() {
    close();
    const WaveSettings& wanted = settings();
    if (wanted.deviceType != QLatin1String("WaveAudio")) {
        return QStringLiteral("The sound device type \"%1\" is not known.").arg(wanted.deviceType);
    }
    // Without a sound server the sink would never change state: ask first.
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (QMediaDevices::audioOutputs().isEmpty() || output.isNull()) {
        return QStringLiteral("The sound clip cannot be played: no sound device.");
    }
    const auto file = ReadWholeFile(wanted.fileName.toStdString());
    if (!file.ok()) return QStringLiteral("The sound file %1 cannot be read.").arg(wanted.fileName);
    const auto wave = ReadPcmWave(ByteView(file.value()));
    if (!wave.ok()) {
        return QStringLiteral("The sound clip cannot be played: %1.")
            .arg(QString::fromStdString(wave.refusal().message));
    }
    const Pcm16Sound& sound = wave.value();
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!output.isFormatSupported(format)) {
        return QStringLiteral("The sound device cannot play %1 channel(s) at %2 Hz.")
            .arg(sound.channels)
            .arg(sound.sampleRate);
    }
    sound_ = WithTailSilence(sound);
    sink_ = std::make_unique<QAudioSink>(output, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &AudioSinkDevice::onStateChanged);
    return std::nullopt;
}

std::optional<QString> AudioSinkDevice::play() {
    if (!sink_) return QStringLiteral("The sound device is not open.");
    source_.close();
    source_.setBuffer(&sound_);
    source_.open(QIODevice::ReadOnly);
    doneNotice_.stop();
    notifyWhenDone_ = settings().notify;
    playing_ = true;
    sink_->start(&source_);
    if (sink_->error() != QAudio::NoError) {
        playing_ = false;
        return QStringLiteral("The sound device cannot start playing.");
    }
    return std::nullopt;
}

void AudioSinkDevice::close() {
    doneNotice_.stop();
    playing_ = false;
    if (!sink_) return;
    sink_->disconnect(this);
    sink_->stop();
    sink_.reset();
    source_.close();
}

void AudioSinkDevice::onStateChanged(QAudio::State state) {
    if (!playing_ || state == QAudio::ActiveState) return;
    // Idle: every byte, the trailing silence included, has gone to the server.
    playing_ = false;
    sink_->stop();
    if (!notifyWhenDone_) return;
    // Delivered from the event loop, so the receiver may close this device, and
    // with it the sink that is still emitting; a close or a new play in between
    // cancels the notice.
    doneNotice_.start();
}

}  // namespace tambrelox
