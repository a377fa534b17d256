#include "app/spjinfo/command_line.h"

#include <algorithm>
#include <charconv>
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
    {"--csv", OutputMode::Csv, 0, ""},
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

// A thread count between 1 and a number no machine reaches.
std::optional<unsigned> JobCount(std::string_view text) {
    constexpr unsigned kMostJobs = 1024;
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    if (error != std::errc() || end != text.data() + text.size() || jobs == 0 || jobs > kMostJobs)
        return std::nullopt;
    return jobs;
}

// What is wrong with the options and files given together, if anything.
std::optional<std::string> CombinationProblem(
    const CommandLine& command, const std::optional<std::vector<std::string>>& chosen) {
    const bool oneFileOnly = command.mode == OutputMode::ExtractClips ||
                             command.mode == OutputMode::RepeatWave ||
                             command.mode == OutputMode::ClipList;
    if (command.diff) {
        if (command.recursive) return "--diff and --recursive cannot be given together";
        if (command.mode != OutputMode::Summary && command.mode != OutputMode::Json)
            return "--diff and " + (*chosen)[0] + " cannot be given together";
        if (command.files.size() != 2) return "--diff takes exactly two SPJ files";
        return std::nullopt;
    }
    if (command.recursive && oneFileOnly)
        return (*chosen)[0] + " and --recursive cannot be given together";
    if (command.files.empty()) return command.recursive ? "no folder named" : "no SPJ file named";
    if (oneFileOnly && command.files.size() != 1)
        return (*chosen)[0] + " takes exactly one SPJ file";
    return std::nullopt;
}

}  // namespace

Outcome<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    // The mode option given and its values: another one is a conflict, the same one again is not.
    std::optional<std::vector<std::string>> chosen;
    // The first thing wrong; the arguments are still read on, as --help anywhere wins.
    std::optional<std::string> problem;
    const auto misused = [&problem](std::string what) {
        if (!problem) problem = std::move(what);
    };
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
        if (argument == "--recursive" || argument == "-r") {
            command.recursive = true;
            continue;
        }
        if (argument == "--diff") {
            command.diff = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument == "-j" ? "--jobs" : argument.substr(0, equals);
        if (name == "--jobs") {
            std::optional<std::string> value;
            if (equals != std::string::npos)
                value = argument.substr(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (!value) {
                misused("--jobs needs a number of threads");
                break;
            }
            if (const auto jobs = JobCount(*value))
                command.jobs = *jobs;
            else
                misused("invalid number of threads " + *value);
            continue;
        }
        const auto option = std::find_if(std::begin(kModeOptions), std::end(kModeOptions),
                                         [&](const ModeOption& o) { return o.name == name; });
        if (option == std::end(kModeOptions)) {
            misused("unknown option " + argument);
            continue;
        }
        std::vector<std::string> given{name};
        if (equals != std::string::npos) {
            if (option->values == 0) misused(name + " takes no value");
            given.push_back(argument.substr(equals + 1));
        }
        while (given.size() <= option->values && i + 1 < arguments.size())
            given.push_back(arguments[++i]);
        if (given.size() <= option->values) {
            misused(name + " needs " + std::string(option->needs));
            break;
        }
        if (chosen && *chosen != given) {
            misused((*chosen)[0] + " and " + name + " cannot be given together");
            continue;
        }
        command.mode = option->mode;
        if (option->mode == OutputMode::SummaryReport) {
            const std::optional<OutputMode> report = ReportMode(given[1]);
            if (!report)
                misused("unknown report " + given[1]);
            else
                command.mode = *report;
        } else if (option->mode == OutputMode::ExtractClips) {
            command.extractFolder = given[1];
        } else if (option->mode == OutputMode::RepeatWave) {
            command.repeatClip = given[1];
            command.repeatOutput = given[2];
        }
        chosen = std::move(given);
    }
    if (command.request == Request::Help) return command;
    if (problem) return Misused(*problem);
    if (command.request != Request::Run) return command;
    if (const auto combination = CombinationProblem(command, chosen)) return Misused(*combination);
    return command;
}

std::string UsageText() {
    return "Usage: spjinfo [--json | --csv | --cvs | --text | --report summary|cvs] FILE...\n"
           "       spjinfo -r [-j N] [--json | --csv | --cvs | --text | --report ...] DIR...\n"
           "       spjinfo --clips FILE\n"
           "       spjinfo --extract DIR FILE\n"
           "       spjinfo --repeat CLIP OUT FILE\n"
           "       spjinfo --diff [--json] FILE1 FILE2\n"
           "Shows what is inside SFX sound project (.spj) files.\n"
           "\n"
           "  --json            one JSON object per file and line\n"
           "  --csv             one line of comma-separated values per file (RFC 4180, CR LF\n"
           "                    line ends) after a heading line: path, file name, author,\n"
           "                    requirement, clips, voices, schemes, sound total, code\n"
           "                    size, project total, and the name and play seconds of the\n"
           "                    clip taking the most flash memory\n"
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
           "  -r, --recursive   show every *.spj file (any letter case) in and below the\n"
           "                    folders named, sorted by path; links to folders are not\n"
           "                    followed, links to files only inside the folders, and a\n"
           "                    file reached twice is shown once\n"
           "  -j, --jobs N      read N files at a time (default: one per processor)\n"
           "  --diff            compare FILE2 with FILE1: clips added, removed or changed,\n"
           "                    totals, counts, requirement, author, startup CVs and the\n"
           "                    descriptive text as a unified diff; --json for one JSON\n"
           "                    object\n"
           "  -h, --help        show this text\n"
           "  --version         show the version\n"
           "\n"
           "Only one of the options above that choose the output may be given. An option's\n"
           "value may follow it as the next argument or after '=' (--report=cvs).\n"
           "\n"
           "In the plain, --cvs, --clips and plain --diff outputs a TAB, carriage return or\n"
           "line feed inside a cell is written as \\t, \\r or \\n and a backslash as \\\\;\n"
           "other cells are written unchanged.\n"
           "\n"
           "Files are written whole or not at all: through a temporary file in the same\n"
           "folder, renamed into place once complete.\n"
           "\n"
           "When standard error is a terminal, --recursive shows how many files are done\n"
           "on a line of its own, rewritten in place and taken away at the end.\n"
           "\n"
           "Errors go to standard error as 'spjinfo: FILE: MESSAGE', FILE as it was given.\n"
           "Exit status: 0 when every file was shown, 1 when a file was refused or output\n"
           "could not be written ('spjinfo: write error: REASON'), 2 on a usage error.\n"
           "With --diff: 0 when the projects are the same, 1 when they differ, 2 on\n"
           "trouble (a file that cannot be read, a usage error).\n";
}

}  // namespace tambrelox::spjinfo
