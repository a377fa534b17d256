#pragma once

#include "app/spjinfo/command_line.h"

namespace tambrelox::spjinfo {

// Compares the command's two projects and writes how the second differs from
// the first, as plain lines or (mode Json) one JSON object. Returns the exit
// status as diff(1) has it: 0 when they are the same, 1 when they differ, 2
// when a file could not be read or the output not written.
[[nodiscard]] int CompareProjectFiles(const CommandLine& command);

}  // namespace tambrelox::spjinfo
