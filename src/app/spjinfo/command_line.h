#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

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

struct ParsedCommandLine {
    std::optional<CommandLine> command;
    std::string error;  // set when `command` is empty
};

[[nodiscard]] ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

[[nodiscard]] std::string UsageText();

}  // namespace tambrelox::spjinfo
