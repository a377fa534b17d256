#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/base/outcome.h"

namespace tambrelox::spjinfo {

enum class Request { Run, Help, Version };
enum class OutputMode {
    Summary,
    Json,
    CVTable,
    DescriptiveText,
    SummaryReport,
    CVReport,
    ExtractClips,
    RepeatWave
};

struct CommandLine {
    Request request = Request::Run;
    OutputMode mode = OutputMode::Summary;
    std::vector<std::string> files;
    std::string extractFolder;   // --extract DIR
    std::size_t repeatLine = 0;  // --repeat N OUT: the clip's line in the player's list
    std::string repeatOutput;
};

// The command line the arguments (without the program's name) make up, or a
// BadArgument refusal saying what is wrong with them.
[[nodiscard]] Outcome<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments);

[[nodiscard]] std::string UsageText();

}  // namespace tambrelox::spjinfo
