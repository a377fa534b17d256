#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace tambrelox {

// The wave playback device the player drives: set the properties, then carry
// out a command. A play started with Notify set raises Done on the window
// thread when it ends by itself; "close" stops a play without raising it.
class WaveDevice : public QObject {
    Q_OBJECT

  public:
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;

    bool Notify = false;
    bool Shareable = false;
    QString DeviceType;
    QString FileName;

    // "open", "Play" or "close", carried out at once. What went wrong, in
    // words for the user, when the command failed; "close" never fails.
    [[nodiscard]] virtual std::optional<QString> Command(const QString& word) = 0;
    [[nodiscard]] virtual int Mode() const = 0;

  signals:
    void Done();
};

}  // namespace tambrelox
