#include "ui/shared/audio_clip_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QMediaDevices>
#include <cstring>
#include <string>

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

AudioClipPlayer::AudioClipPlayer() {
    finishedNotice_.setSingleShot(true);
    finishedNotice_.setInterval(0);
    connect(&finishedNotice_, &QTimer::timeout, this, &ClipPlayer::finished);
}

AudioClipPlayer::~AudioClipPlayer() {
    AudioClipPlayer::Stop();
}

Outcome<void> AudioClipPlayer::Play(const std::filesystem::path& path, PlayKind kind) {
    Stop();
    if (auto opened = Open(path); !opened.ok()) return opened;
    source_.setBuffer(&sound_);
    source_.open(QIODevice::ReadOnly);
    kind_ = kind;
    playing_ = true;
    sink_->start(&source_);
    if (sink_->error() != QAudio::NoError) {
        Stop();
        return Refusal{RefusalKind::CannotOpen, "The sound device cannot start playing."};
    }
    return {};
}

void AudioClipPlayer::Stop() {
    finishedNotice_.stop();
    playing_ = false;
    if (!sink_) return;
    sink_->disconnect(this);
    sink_->stop();
    sink_.reset();
    source_.close();
}

std::optional<std::chrono::microseconds> AudioClipPlayer::Processed() const {
    if (!sink_ || !playing_) return std::nullopt;
    return std::chrono::microseconds(sink_->processedUSecs());
}

Outcome<void> AudioClipPlayer::Open(const std::filesystem::path& path) {
    // Without a sound server the sink would never change state: ask first.
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (QMediaDevices::audioOutputs().isEmpty() || output.isNull()) {
        return Refusal{RefusalKind::CannotOpen,
                       "The sound clip cannot be played: no sound device."};
    }
    const auto file = ReadWholeFile(path);
    if (!file.ok()) {
        return Refusal{RefusalKind::CannotRead,
                       "The sound file " + path.string() + " cannot be read."};
    }
    const auto wave = ReadPcmWave(ByteView(file.value()));
    if (!wave.ok()) {
        return Refusal{RefusalKind::BadWave,
                       "The sound clip cannot be played: " + wave.refusal().message + "."};
    }
    const Pcm16Sound& sound = wave.value();
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!output.isFormatSupported(format)) {
        return Refusal{RefusalKind::BadWave,
                       "The sound device cannot play " + std::to_string(sound.channels) +
                           " channel(s) at " + std::to_string(sound.sampleRate) + " Hz."};
    }
    sound_ = WithTailSilence(sound);
    sink_ = std::make_unique<QAudioSink>(output, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &AudioClipPlayer::OnStateChanged);
    return {};
}

void AudioClipPlayer::OnStateChanged(QAudio::State state) {
    if (!playing_ || state == QAudio::ActiveState) return;
    // Idle: every byte, the trailing silence included, has gone to the server.
    playing_ = false;
    sink_->stop();
    // Delivered from the event loop, so the receiver may stop this player, and
    // with it the sink that is still emitting; a Stop or a new Play in between
    // cancels the notice.
    finishedNotice_.start();
}

}  // namespace tambrelox

// The module's one entry point, looked up by name by the program that loads it.
extern "C" Q_DECL_EXPORT tambrelox::ClipPlayer* tambrelox_make_audio_clip_player() {
    return new tambrelox::AudioClipPlayer();
}
