#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>
#include <utility>

namespace tambrelox {

// What the player asks of the device.
enum class WaveCommand { Open, Play, Close };

// The system's word for a command.
[[nodiscard]] inline QString WaveCommandWord(WaveCommand command) {
    switch (command) {
        case WaveCommand::Open:
            return QStringLiteral("open");
        case WaveCommand::Play:
            return QStringLiteral("Play");
        case WaveCommand::Close:
            return QStringLiteral("close");
    }
    return {};
}

// Where the device stands.
enum class WaveMode { NotOpen, Stopped, Playing };

// What an open takes effect with; `notify` is read again at each play.
struct WaveSettings {
    bool notify = false;  // raise Done when a play ends by itself
    bool shareable = false;
    QString deviceType;  // only "WaveAudio" plays
    QString fileName;
};

// The wave playback device the player drives: give it its settings, then carry
// out a command. A play started with `notify` set raises Done on the window
// thread when it ends by itself; Close stops a play without raising it.
class WaveDevice : public QObject {
    Q_OBJECT

  public:
    void setSettings(WaveSettings settings) { settings_ = std::move(settings); }
    void setNotify(bool notify) { settings_.notify = notify; }
    [[nodiscard]] const WaveSettings& settings() const { return settings_; }

    // Carried out at once. What went wrong, in words for the user, when the
    // command failed; Close never fails.
    [[nodiscard]] virtual std::optional<QString> Command(WaveCommand command) = 0;
    [[nodiscard]] virtual WaveMode Mode() const = 0;
    // How much sound of the current play the device has taken in; nothing
    // where it cannot tell.
    [[nodiscard]] virtual std::optional<std::chrono::microseconds> Processed() const {
        return std::nullopt;
    }

  signals:
    void Done();

  private:
    WaveSettings settings_;
};

}  // namespace tambrelox
