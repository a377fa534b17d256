#include "app/spjinfo/command_line.h"

#include <string_view>

namespace tambrelox::spjinfo {
namespace {

constexpr std::string_view kReportOption = "--report";
constexpr std::string_view kReportJoined = "--report=";

struct ReportName {
    std::string_view name;
    OutputMode mode;
};
constexpr ReportName kReports[] = {{"summary", OutputMode::SummaryReport}};

std::optional<OutputMode> ReportMode(std::string_view name) {
    for (const ReportName& report : kReports) {
        if (report.name == name) return report.mode;
    }
    return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
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
        } else if (argument == kReportOption || argument.starts_with(kReportJoined)) {
            const bool joined = argument != kReportOption;
            if (!joined && ++i == arguments.size())
                return {std::nullopt, "--report needs a report name"};
            const std::string_view name =
                joined ? std::string_view(argument).substr(kReportJoined.size()) : arguments[i];
            const std::optional<OutputMode> mode = ReportMode(name);
            if (!mode) return {std::nullopt, "unknown report " + std::string(name)};
            command.mode = *mode;
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
    return "Usage: spjinfo [--json | --report summary] FILE...\n"
           "Shows what is inside SFX sound project (.spj) files.\n"
           "\n"
           "  --json      one JSON object per file and line\n"
           "  --report summary\n"
           "              the printed summary as plain text, a form feed line between pages\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "\n"
           "Exit status: 0 when every file was shown, 1 when a file was refused, 2 on a usage error.\n";
}

}  // namespace tambrelox::spjinfo
