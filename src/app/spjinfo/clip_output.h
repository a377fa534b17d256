#pragma once

#include <filesystem>
#include <ostream>

#include "core/base/outcome.h"
#include "core/project/project.h"

namespace tambrelox::spjinfo {

// Writes every sound clip into `folder` (made if missing) under its name,
// made safe and unique there; names each file written on `out`. Refused when
// the folder cannot be made or a clip cannot be written.
[[nodiscard]] Outcome<void> ExtractClips(std::ostream& out, const Project& project,
                                         const std::filesystem::path& folder);

// Writes the repeat play wave of the clip on list line `line` (directory
// order, from 0) to `output`, which must not be the project's own file at
// `projectPath`. Refused when it could not be.
[[nodiscard]] Outcome<void> WriteRepeatWaveFile(const Project& project, std::size_t line,
                                                const std::filesystem::path& output,
                                                const std::filesystem::path& projectPath);

}  // namespace tambrelox::spjinfo
