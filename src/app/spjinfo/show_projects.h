#pragma once

#include "app/spjinfo/command_line.h"

namespace tambrelox::spjinfo {

// Shows every file the command names, or with --recursive every project
// found in the folders it names (sorted by path), in the command's mode and
// in that order, reading them on several threads. Fails when any was refused
// or output could not be written.
[[nodiscard]] ExitStatus ShowProjects(const CommandLine& command);

}  // namespace tambrelox::spjinfo
