#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/project/project.h"

namespace tambrelox::spjinfo {

// Writes every sound clip into `folder` (made if missing) under its name,
// made safe and unique there; names each file written on `out`. The problem
// when a clip could not be written.
[[nodiscard]] std::optional<std::string> ExtractClips(std::ostream& out, const Project& project,
                                                      const std::filesystem::path& folder);

// Writes the repeat play wave of the clip on list line `line` (directory
// order, from 0) to `output`, which must not be the project's own file at
// `projectPath`. The problem when it could not be.
[[nodiscard]] std::optional<std::string> WriteRepeatWaveFile(
    const Project& project, std::size_t line, const std::filesystem::path& output,
    const std::filesystem::path& projectPath);

}  // namespace tambrelox::spjinfo
