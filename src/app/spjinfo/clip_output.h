#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "core/base/number_format.h"
#include "core/base/outcome.h"
#include "core/project/project.h"

namespace tambrelox::spjinfo {

// The player's list, one TAB-separated line per clip in directory order: its
// line number from 0, the name as the player shows it, the bits per sample and
// the play time in seconds.
void WriteClipList(std::ostream& out, const Project& project, const NumberFormat& format);

// Writes every sound clip into `folder` (made if missing) under its name,
// made safe and unique there; names each file written on `out`. Refused when
// the folder cannot be made or a clip cannot be written.
[[nodiscard]] Outcome<void> ExtractClips(std::ostream& out, const Project& project,
                                         const std::filesystem::path& folder);

// Writes the repeat play wave of `clip` (a line of the player's list or a
// clip's name, see WriteClipList) to `output`, or to `standardOutput` when
// `output` is "-". The output must not be the project's own file at
// `projectPath`. Refused when it could not be written.
[[nodiscard]] Outcome<void> WriteRepeatWaveFile(std::ostream& standardOutput,
                                                const Project& project, const std::string& clip,
                                                const std::string& output,
                                                const std::filesystem::path& projectPath);

}  // namespace tambrelox::spjinfo
