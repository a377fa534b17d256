#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QTimer>
#include <memory>

#include "ui/shared/clip_player.h"

namespace tambrelox {

// Plays clips through Qt Multimedia's audio sink. A play reads the wave file
// and widens its samples to 16 bits, so clips of 8, 12 and 16 bits all play,
// then streams them from memory.
class AudioClipPlayer final : public ClipPlayer {
    Q_OBJECT

  public:
    AudioClipPlayer();
    ~AudioClipPlayer() override;

    [[nodiscard]] Outcome<void> Play(const std::filesystem::path& path, PlayKind kind) override;
    void Stop() override;
    [[nodiscard]] bool IsPlaying() const override { return playing_; }
    [[nodiscard]] PlayKind Kind() const override { return kind_; }
    [[nodiscard]] std::optional<std::chrono::microseconds> Processed() const override;

  private:
    Outcome<void> Open(const std::filesystem::path& path);
    void OnStateChanged(QAudio::State state);

    QByteArray sound_;
    QBuffer source_;
    std::unique_ptr<QAudioSink> sink_;
    bool playing_ = false;
    PlayKind kind_ = PlayKind::Once;
    QTimer finishedNotice_;
};

}  // namespace tambrelox
