#include "app/spjinfo/command_line.h"

namespace tambrelox::spjinfo {

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            command.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            command.request = Request::Help;
        } else if (argument == "--version") {
            command.request = Request::Version;
        } else if (argument == "--json") {
            command.mode = OutputMode::Json;
        } else {
            return {std::nullopt, "unknown option " + argument};
        }
    }
    if (command.request == Request::Run && command.files.empty()) {
        return {std::nullopt, "no SPJ file named"};
    }
    return {command, {}};
}

std::string UsageText() {
    return "Usage: spjinfo [--json] FILE...\n"
           "Shows what is inside SFX sound project (.spj) files.\n"
           "\n"
           "  --json      one JSON object per file and line\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "\n"
           "Exit status: 0 when every file was shown, 1 when a file was refused, 2 on a usage error.\n";
}

}  // namespace tambrelox::spjinfo
