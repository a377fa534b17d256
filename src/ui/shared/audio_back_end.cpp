#include "ui/shared/audio_back_end.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFileInfo>
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
    // Never closed: players made from the module may outlive any one window.
    // Loaded again, it is only counted again.
    void* module = dlopen(ModulePath().toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    void* make = module ? dlsym(module, "tambrelox_make_audio_clip_player") : nullptr;
    if (make == nullptr) {
        const char* why = dlerror();
        return std::make_unique<UnloadedClipPlayer>(
            "Sound clips cannot be played: the audio module cannot be loaded (" +
            std::string(why ? why : "no entry point") + ").");
    }
    return std::unique_ptr<ClipPlayer>(reinterpret_cast<ClipPlayer* (*)()>(make)());
}

}  // namespace tambrelox
