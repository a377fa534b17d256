#include "app/spjinfo/command_line.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace tambrelox::spjinfo {
namespace {

// An option choosing what the run writes, with the values it takes.
struct ModeOption {
    std::string_view name;
    OutputMode mode;
    std::size_t values;
    std::string_view needs;  // what its values are, for the message when they are missing
};
constexpr ModeOption kModeOptions[] = {
    {"--json", OutputMode::Json, 0, ""},
    {"--cvs", OutputMode::CVTable, 0, ""},
    {"--text", OutputMode::DescriptiveText, 0, ""},
    {"--clips", OutputMode::ClipList, 0, ""},
    {"--report", OutputMode::SummaryReport, 1, "a report name"},
    {"--extract", OutputMode::ExtractClips, 1, "a folder"},
    {"--repeat", OutputMode::RepeatWave, 2, "a clip and an output file"},
};

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

}  // namespace

Outcome<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    // The mode option given and its values: another one is a conflict, the same one again is not.
    std::optional<std::vector<std::string>> chosen;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            command.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            command.request = Request::Help;
            continue;
        }
        if (argument == "--version") {
            command.request = Request::Version;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto option = std::find_if(std::begin(kModeOptions), std::end(kModeOptions),
                                         [&](const ModeOption& o) { return o.name == name; });
        if (option == std::end(kModeOptions)) return Misused("unknown option " + argument);
        std::vector<std::string> given{name};
        if (equals != std::string::npos) {
            if (option->values == 0) return Misused(name + " takes no value");
            given.push_back(argument.substr(equals + 1));
        }
        while (given.size() <= option->values) {
            if (++i == arguments.size()) {
                return Misused(name + " needs " + std::string(option->needs));
            }
            given.push_back(arguments[i]);
        }
        if (chosen && *chosen != given) {
            return Misused((*chosen)[0] + " and " + name + " cannot be given together");
        }
        command.mode = option->mode;
        if (option->mode == OutputMode::SummaryReport) {
            const std::optional<OutputMode> report = ReportMode(given[1]);
            if (!report) return Misused("unknown report " + given[1]);
            command.mode = *report;
        } else if (option->mode == OutputMode::ExtractClips) {
            command.extractFolder = given[1];
        } else if (option->mode == OutputMode::RepeatWave) {
            command.repeatClip = given[1];
            command.repeatOutput = given[2];
        }
        chosen = std::move(given);
    }
    if (command.request != Request::Run) return command;
    if (command.files.empty()) return Misused("no SPJ file named");
    const bool oneFileOnly = command.mode == OutputMode::ExtractClips ||
                             command.mode == OutputMode::RepeatWave ||
                             command.mode == OutputMode::ClipList;
    if (oneFileOnly && command.files.size() != 1) {
        return Misused((*chosen)[0] + " takes exactly one SPJ file");
    }
    return command;
}

std::string UsageText() {
    return "Usage: spjinfo [--json | --cvs | --text | --report summary|cvs] FILE...\n"
           "       spjinfo --clips FILE\n"
           "       spjinfo --extract DIR FILE\n"
           "       spjinfo --repeat CLIP OUT FILE\n"
           "Shows what is inside SFX sound project (.spj) files.\n"
           "\n"
           "  --json            one JSON object per file and line\n"
           "  --cvs             the startup CVs 1 to 255, one TAB-separated line each\n"
           "  --text            the descriptive text, byte for byte\n"
           "  --report summary  the printed summary as plain text, a form feed line between pages\n"
           "  --report cvs      the printed list of non-zero CVs, the same way\n"
           "  --clips           the player's list: LINE, NAME, BITS and PLAY SECONDS, one\n"
           "                    TAB-separated line per clip in directory order\n"
           "  --extract DIR     write every sound clip to DIR as a wave file under its name;\n"
           "                    a name already there gets \" (2)\", \" (3)\"\n"
           "  --repeat CLIP OUT write the ten-second repeat wave of CLIP to OUT (replacing\n"
           "                    it), as the player plays it. CLIP is a line number of the\n"
           "                    player's list, which is in directory order from 0 (see\n"
           "                    --clips), or a clip's name as the player lists it; a CLIP\n"
           "                    of digits only is a line number. OUT - is standard output\n"
           "  -h, --help        show this text\n"
           "  --version         show the version\n"
           "\n"
           "Only one of the options above that choose the output may be given. An option's\n"
           "value may follow it as the next argument or after '=' (--report=cvs).\n"
           "\n"
           "In the plain, --cvs and --clips outputs a TAB, carriage return or line feed\n"
           "inside a cell is written as \\t, \\r or \\n and a backslash as \\\\; other cells\n"
           "are written unchanged.\n"
           "\n"
           "Files are written whole or not at all: through a temporary file in the same\n"
           "folder, renamed into place once complete.\n"
           "\n"
           "Errors go to standard error as 'spjinfo: FILE: MESSAGE', FILE as it was given.\n"
           "Exit status: 0 when every file was shown, 1 when a file was refused or output\n"
           "could not be written ('spjinfo: write error: REASON'), 2 on a usage error.\n";
}

}  // namespace tambrelox::spjinfo
