#include "core/sound/temp_waves.h"

#include <cstdlib>
#include <string>
#include <system_error>

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

bool TempWaves::writeClip(const Project& project, std::size_t entry) const {
    return made_ && WriteClipWave(project, entry, clipPath());
}

bool TempWaves::buildRepeat(int waveBits) const {
    if (!made_) return false;
    const auto clip = ReadWholeFile(clipPath(), kLargestWaveFile);
    if (!clip) return false;
    const auto repeat = BuildRepeatWave(ByteView(*clip), waveBits);
    return repeat && WriteWholeFile(repeatPath(), *repeat);
}

void TempWaves::DeleteTempWaves() const {
    if (!made_) return;
    std::error_code ignored;
    std::filesystem::remove(clipPath(), ignored);
    std::filesystem::remove(repeatPath(), ignored);
}

}  // namespace tambrelox
