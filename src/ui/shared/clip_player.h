#pragma once

#include <QObject>
#include <chrono>
#include <filesystem>
#include <optional>

#include "core/base/outcome.h"
#include "core/sound/waveform_envelope.h"

namespace tambrelox {

// Plays one wave file at a time for the player window. A play that ends by
// itself raises `finished` from the event loop; Stop, or a new Play, ends a
// play without raising it.
class ClipPlayer : public QObject {
    Q_OBJECT

  public:
    // Ends any play in progress, then plays the wave file at `path`. Refused,
    // in words for the user, when it cannot be played; nothing plays then.
    [[nodiscard]] virtual Outcome<void> Play(const std::filesystem::path& path, PlayKind kind) = 0;
    virtual void Stop() = 0;
    [[nodiscard]] virtual bool IsPlaying() const = 0;
    // How the play in progress, or the last one, was asked for.
    [[nodiscard]] virtual PlayKind Kind() const = 0;
    // How much sound of the play in progress the device has taken in; nothing
    // where it cannot tell.
    [[nodiscard]] virtual std::optional<std::chrono::microseconds> Processed() const {
        return std::nullopt;
    }

  signals:
    void finished();
};

}  // namespace tambrelox
