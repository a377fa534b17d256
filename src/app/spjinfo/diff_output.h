#pragma once

#include "app/spjinfo/command_line.h"

namespace tambrelox::spjinfo {

// Compares the command's two projects and writes how the second differs from
// the first, as plain lines or (mode Json) one JSON object. Returns Success
// when they are the same, Differ when they differ, Trouble when a file could
// not be read or the output not written.
[[nodiscard]] ExitStatus CompareProjectFiles(const CommandLine& command);

}  // namespace tambrelox::spjinfo
