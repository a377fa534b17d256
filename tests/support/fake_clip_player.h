#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ui/shared/clip_player.h"

namespace tambrelox::testkit {

// A player that remembers every play and stop, and plays until the test ends
// the play or says how far it has got.
class FakeClipPlayer : public ClipPlayer {
  public:
    struct Call {
        std::string what;  // "play" or "stop"
        std::filesystem::path path{};
        PlayKind kind = PlayKind::Once;
    };

    Outcome<void> Play(const std::filesystem::path& path, PlayKind kind) override {
        calls.push_back({"play", path, kind});
        playing = false;
        if (refusal) return Refusal{RefusalKind::CannotOpen, *refusal};
        playing = true;
        kind_ = kind;
        return {};
    }
    void Stop() override {
        calls.push_back({"stop"});
        playing = false;
    }
    [[nodiscard]] bool IsPlaying() const override { return playing; }
    [[nodiscard]] PlayKind Kind() const override { return kind_; }
    [[nodiscard]] std::optional<std::chrono::microseconds> Processed() const override {
        return processed;
    }

    // The play ends by itself.
    void Finish() {
        playing = false;
        emit finished();
    }

    std::vector<Call> calls;
    std::optional<std::string> refusal;  // every play is refused with it
    bool playing = false;
    std::chrono::microseconds processed{0};

  private:
    PlayKind kind_ = PlayKind::Once;
};

}  // namespace tambrelox::testkit
