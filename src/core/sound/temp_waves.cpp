#include "core/sound/temp_waves.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "core/base/file_bytes.h"
#include "core/sound/clip_wave.h"
#include "core/sound/repeat_wave.h"

namespace tambrelox {
namespace {

std::filesystem::path SystemTempFolder() {
    std::error_code error;  // TMPDIR naming no folder is no reason to fail here
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : folder;
}

// Where the private folder could not be made, nothing can be written.
Refusal NoFolderIn(const std::filesystem::path& parent) {
    return {RefusalKind::CannotWrite, "cannot make a folder in " + parent.string()};
}

}  // namespace

TempWaves::TempWaves() : TempWaves(SystemTempFolder()) {}

TempWaves::TempWaves(const std::filesystem::path& parent) : folder_(parent) {
    std::string pattern = (parent / "tambrelox-player-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        folder_ = pattern;
        made_ = true;
    }
}

TempWaves::~TempWaves() {
    DeleteTempWaves();
    std::error_code ignored;
    if (made_) std::filesystem::remove(folder_, ignored);
}

Outcome<void> TempWaves::WriteClip(const Project& project, std::size_t entry) const {
    if (!made_) return NoFolderIn(folder_);
    return WriteClipWave(project, entry, ClipPath());
}

Outcome<void> TempWaves::BuildRepeat(int waveBits) const {
    if (!made_) return NoFolderIn(folder_);
    const auto clip = ReadWholeFile(ClipPath());
    if (!clip.ok()) {
        Refusal refusal = clip.refusal();
        refusal.message = ClipPath().string() + ": " + refusal.message;
        return refusal;
    }
    const auto repeat = BuildRepeatWave(ByteView(clip.value()), waveBits);
    if (!repeat.ok()) return repeat.refusal();
    return WriteWholeFile(RepeatPath(), repeat.value());
}

void TempWaves::DeleteTempWaves() const {
    if (!made_) return;
    std::error_code ignored;
    std::filesystem::remove(ClipPath(), ignored);
    std::filesystem::remove(RepeatPath(), ignored);
}

}  // namespace tambrelox
