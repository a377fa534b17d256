#include "ui/shared/audio_back_end.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <string>
#include <utility>

namespace tambrelox {
namespace {

// Stands in for the back end that could not be loaded.
class UnloadedClipPlayer final : public ClipPlayer {
  public:
    explicit UnloadedClipPlayer(std::string why) : why_(std::move(why)) {}

    [[nodiscard]] Outcome<void> Play(const std::filesystem::path&, PlayKind kind) override {
        kind_ = kind;
        return Refusal{RefusalKind::CannotOpen, why_};
    }
    void Stop() override {}
    [[nodiscard]] bool IsPlaying() const override { return false; }
    [[nodiscard]] PlayKind Kind() const override { return kind_; }

  private:
    std::string why_;
    PlayKind kind_ = PlayKind::Once;
};

// Installed below the program's folder; in a build folder, where it was built.
QString ModulePath() {
    const QString installed = QCoreApplication::applicationDirPath() +
                              QStringLiteral("/" TAMBRELOX_AUDIO_MODULE_FROM_PROGRAM);
    return QFileInfo::exists(installed) ? installed
                                        : QStringLiteral(TAMBRELOX_AUDIO_MODULE_IN_BUILD);
}

}  // namespace

std::unique_ptr<ClipPlayer> MakeAudioClipPlayer() {
    // Stays loaded for the rest of the run: players made from it may outlive
    // any one window.
    QLibrary module(ModulePath());
    using MakePlayer = ClipPlayer* (*)();
    const auto make =
        reinterpret_cast<MakePlayer>(module.resolve("tambrelox_make_audio_clip_player"));
    if (make == nullptr) {
        return std::make_unique<UnloadedClipPlayer>(
            "Sound clips cannot be played: the audio module cannot be loaded (" +
            module.errorString().toStdString() + ").");
    }
    return std::unique_ptr<ClipPlayer>(make());
}

}  // namespace tambrelox
