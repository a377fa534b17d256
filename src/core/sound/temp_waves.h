#pragma once

#include <cstdint>
#include <filesystem>

#include "core/base/outcome.h"
#include "core/project/project.h"

namespace tambrelox {

// The player's two temporary wave files, "TempSound.wav" for the selected clip
// and "TempSound.wav2" for its repeat play, kept in a folder made for this
// player alone: a shared or read-only working folder, or a link planted under
// a fixed name there, cannot get in the way. The files and the folder go when
// this object does.
class TempWaves {
  public:
    // Makes the private folder inside the system's temporary folder, or inside
    // `parent`; if that fails, every write fails.
    TempWaves();
    explicit TempWaves(const std::filesystem::path& parent);
    TempWaves(const TempWaves&) = delete;
    TempWaves& operator=(const TempWaves&) = delete;
    ~TempWaves();

    // The folder a failed write names: the private one, or where it should have been made.
    [[nodiscard]] const std::filesystem::path& Folder() const { return folder_; }
    [[nodiscard]] std::filesystem::path ClipPath() const { return folder_ / "TempSound.wav"; }
    [[nodiscard]] std::filesystem::path RepeatPath() const { return folder_ / "TempSound.wav2"; }

    // Writes the clip of directory entry `entry` as the clip file.
    [[nodiscard]] Outcome<void> WriteClip(const Project& project, std::size_t entry) const;
    // Builds the repeat file from the clip file as last written; refused when
    // the clip file cannot be read or understood, or the repeat file not written.
    [[nodiscard]] Outcome<void> BuildRepeat(int waveBits) const;

    void DeleteTempWaves() const;

  private:
    std::filesystem::path folder_;
    bool made_ = false;
};

}  // namespace tambrelox
