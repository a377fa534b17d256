#include "app/spjinfo/command_line.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

namespace tambrelox::spjinfo {
namespace {

constexpr std::string_view kReportOption = "--report";
constexpr std::string_view kReportJoined = "--report=";

struct ReportName {
    std::string_view name;
    OutputMode mode;
};
constexpr ReportName kReports[] = {{"summary", OutputMode::SummaryReport},
                                   {"cvs", OutputMode::CVReport}};

std::optional<OutputMode> ReportMode(std::string_view name) {
    for (const ReportName& report : kReports) {
        if (report.name == name) return report.mode;
    }
    return std::nullopt;
}

Refusal Misused(std::string what) {
    return {RefusalKind::BadArgument, std::move(what)};
}

std::optional<std::size_t> ParseLine(const std::string& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

Outcome<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // The values an option takes; false when too few are left.
        const auto takeValues = [&](std::size_t count) {
            if (arguments.size() - i - 1 < count) return false;
            i += count;
            return true;
        };
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
        } else if (argument == "--cvs") {
            command.mode = OutputMode::CVTable;
        } else if (argument == "--text") {
            command.mode = OutputMode::DescriptiveText;
        } else if (argument == kReportOption || argument.starts_with(kReportJoined)) {
            const bool joined = argument != kReportOption;
            if (!joined && ++i == arguments.size()) return Misused("--report needs a report name");
            const std::string_view name =
                joined ? std::string_view(argument).substr(kReportJoined.size()) : arguments[i];
            const std::optional<OutputMode> mode = ReportMode(name);
            if (!mode) return Misused("unknown report " + std::string(name));
            command.mode = *mode;
        } else if (argument == "--extract") {
            if (!takeValues(1)) return Misused("--extract needs a folder");
            command.mode = OutputMode::ExtractClips;
            command.extractFolder = arguments[i];
        } else if (argument == "--repeat") {
            if (!takeValues(2)) return Misused("--repeat needs a line number and an output file");
            const auto line = ParseLine(arguments[i - 1]);
            if (!line)
                return Misused("--repeat needs a line number from 0, not " + arguments[i - 1]);
            command.mode = OutputMode::RepeatWave;
            command.repeatLine = *line;
            command.repeatOutput = arguments[i];
        } else {
            return Misused("unknown option " + argument);
        }
    }
    if (command.request == Request::Run && command.files.empty()) {
        return Misused("no SPJ file named");
    }
    const bool oneFileOnly =
        command.mode == OutputMode::ExtractClips || command.mode == OutputMode::RepeatWave;
    if (command.request == Request::Run && oneFileOnly && command.files.size() != 1) {
        return Misused("--extract and --repeat take exactly one SPJ file");
    }
    return command;
}

std::string UsageText() {
    return "Usage: spjinfo [--json | --cvs | --text | --report summary|cvs] FILE...\n"
           "       spjinfo --extract DIR FILE\n"
           "       spjinfo --repeat N OUT FILE\n"
           "Shows what is inside SFX sound project (.spj) files.\n"
           "\n"
           "  --json            one JSON object per file and line\n"
           "  --cvs             the startup CVs 1 to 255, one TAB-separated line each\n"
           "  --text            the descriptive text, byte for byte\n"
           "  --report summary  the printed summary as plain text, a form feed line between pages\n"
           "  --report cvs      the printed list of non-zero CVs, the same way\n"
           "  --extract DIR     write every sound clip to DIR as a wave file under its name\n"
           "  --repeat N OUT    write the ten-second repeat wave of clip N (0 is the first)\n"
           "                    to OUT, as the player plays it\n"
           "  --help            show this text\n"
           "  --version         show the version\n"
           "\n"
           "Exit status: 0 when every file was shown, 1 when a file was refused, 2 on a usage "
           "error.\n";
}

}  // namespace tambrelox::spjinfo
