#pragma once

#include <string>
#include <vector>

#include "core/base/outcome.h"

namespace tambrelox::spjinfo {

enum class Request { Run, Help, Version };

// What the exit status says, as --help documents it; with --diff as diff(1) has it.
enum class ExitStatus : int {
    Success = 0,
    Failure = 1,  // a file refused, or output not written
    UsageError = 2,
    Differ = 1,   // --diff: the projects differ
    Trouble = 2,  // --diff: a file not read, or output not written
};
enum class OutputMode {
    Summary,
    Json,
    CVTable,
    DescriptiveText,
    SummaryReport,
    CVReport,
    ClipList,
    ExtractClips,
    RepeatWave,
    Csv
};

struct CommandLine {
    Request request = Request::Run;
    OutputMode mode = OutputMode::Summary;
    std::vector<std::string> files;
    std::string extractFolder;  // --extract DIR
    std::string repeatClip;     // --repeat CLIP OUT: a line of the player's list or a clip's name
    std::string repeatOutput;
    bool recursive = false;  // files are folders to search for projects
    bool diff = false;       // compare the two files; mode is Summary (plain text) or Json
    unsigned jobs = 0;       // threads reading projects; 0 for one per processor
};

// The command line the arguments (without the program's name) make up, or a
// BadArgument refusal saying in one line what is wrong with them.
[[nodiscard]] Outcome<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments);

[[nodiscard]] std::string UsageText();

}  // namespace tambrelox::spjinfo
