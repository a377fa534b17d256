#pragma once

#include <optional>
#include <string>

#include "app/spjinfo/command_line.h"
#include "core/base/number_format.h"
#include "core/base/outcome.h"

namespace tambrelox::spjinfo {

// One project shown in the command's mode: what goes to standard output and,
// after it, the refusal that stopped it, if any.
struct ShownProject {
    std::string output;
    std::optional<Refusal> refusal;
};

// Reads the project at `path` (only the bytes the mode shows) and shows it; a
// file may be shown on any thread. Files the mode writes are written here.
[[nodiscard]] ShownProject ShowProject(const CommandLine& command, const std::string& path,
                                       const NumberFormat& format);

}  // namespace tambrelox::spjinfo
