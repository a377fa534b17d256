#include "app/spjinfo/command_line.h"

#include <getopt.h>

#include <charconv>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace tambrelox::spjinfo {
namespace {

// getopt_long's values for the options without a short form.
enum LongOnly : int {
    kVersionOption = 256,
    kDiff,
    kJson,
    kCvs,
    kText,
    kClips,
    kCsv,
    kReport,
    kExtract,
    kRepeat
};

constexpr option kOptions[] = {{"help", no_argument, nullptr, 'h'},
                               {"version", no_argument, nullptr, kVersionOption},
                               {"recursive", no_argument, nullptr, 'r'},
                               {"jobs", required_argument, nullptr, 'j'},
                               {"diff", no_argument, nullptr, kDiff},
                               {"json", no_argument, nullptr, kJson},
                               {"cvs", no_argument, nullptr, kCvs},
                               {"text", no_argument, nullptr, kText},
                               {"clips", no_argument, nullptr, kClips},
                               {"csv", no_argument, nullptr, kCsv},
                               {"report", required_argument, nullptr, kReport},
                               {"extract", required_argument, nullptr, kExtract},
                               {"repeat", required_argument, nullptr, kRepeat},
                               {nullptr, 0, nullptr, 0}};
// Leading ':' tells a missing value apart from an unknown option.
constexpr char kShortOptions[] = ":hrj:";

std::string LongName(int value) {
    for (const option& o : kOptions) {
        if (o.name != nullptr && o.val == value) return std::string("--") + o.name;
    }
    return {};
}

// What getopt_long itself would say (as glibc words it) about the option it
// refused; `argument` is the argument it refused when that was a long option
// or a missing value.
std::string GetoptMessage(int result, std::string_view argument) {
    const std::string shortName(1, static_cast<char>(optopt));
    if (result == ':') {
        if (argument.substr(0, 2) == "--")
            return "option '" + LongName(optopt) + "' requires an argument";
        return "option requires an argument -- '" + shortName + "'";
    }
    // A known option refused is a long one given a value it does not take.
    if (optopt != 0 && !LongName(optopt).empty())
        return "option '" + LongName(optopt) + "' doesn't allow an argument";
    if (optopt != 0) return "invalid option -- '" + shortName + "'";
    const std::string_view name = argument.substr(2, argument.find('=') - 2);
    std::string matches;
    for (const option& o : kOptions) {
        if (o.name != nullptr && std::string_view(o.name).substr(0, name.size()) == name)
            matches += std::string(" '--") + o.name + "'";
    }
    if (!matches.empty())
        return "option '" + std::string(argument) + "' is ambiguous; possibilities:" + matches;
    return "unrecognized option '" + std::string(argument) + "'";
}

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

std::optional<OutputMode> ModeOf(int value) {
    switch (value) {
        case kJson:
            return OutputMode::Json;
        case kCvs:
            return OutputMode::CVTable;
        case kText:
            return OutputMode::DescriptiveText;
        case kClips:
            return OutputMode::ClipList;
        case kCsv:
            return OutputMode::Csv;
        case kReport:
            return OutputMode::SummaryReport;
        case kExtract:
            return OutputMode::ExtractClips;
        case kRepeat:
            return OutputMode::RepeatWave;
        default:
            return std::nullopt;
    }
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
    // getopt_long reorders the arguments it is given, so it gets copies; the
    // program's name comes first, as in main's argv.
    std::vector<std::string> words{"spjinfo"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    CommandLine command;
    // The mode option given and its values: another one is a conflict, the same one again is not.
    std::optional<std::vector<std::string>> chosen;
    // The first thing wrong; the arguments are still read on, as --help anywhere wins.
    std::optional<std::string> problem;
    const auto misused = [&problem](std::string what) {
        if (!problem) problem = std::move(what);
    };
    opterr = 0;  // the messages are ours to give, or not when --help wins
    optind = 0;  // glibc starts afresh, however often it is called
    for (int result = 0;
         (result = getopt_long(argc, argv.data(), kShortOptions, kOptions, nullptr)) != -1;) {
        switch (result) {
            case 'h':
                command.request = Request::Help;
                continue;
            case kVersionOption:
                if (command.request != Request::Help) command.request = Request::Version;
                continue;
            case 'r':
                command.recursive = true;
                continue;
            case kDiff:
                command.diff = true;
                continue;
            case 'j':
                if (const auto jobs = JobCount(optarg))
                    command.jobs = *jobs;
                else
                    misused("invalid number of threads " + std::string(optarg));
                continue;
            case ':':
            case '?':
                misused(GetoptMessage(result, argv[static_cast<std::size_t>(optind) - 1]));
                continue;
            default:
                break;
        }
        const std::optional<OutputMode> mode = ModeOf(result);
        if (!mode) continue;
        std::vector<std::string> given{LongName(result)};
        if (optarg != nullptr) given.emplace_back(optarg);
        if (*mode == OutputMode::RepeatWave) {
            // Its second value, the output file, is the next argument whatever it looks like.
            if (optind >= argc) {
                misused("--repeat needs a clip and an output file");
                continue;
            }
            given.emplace_back(argv[static_cast<std::size_t>(optind++)]);
        }
        if (chosen && *chosen != given) {
            misused((*chosen)[0] + " and " + given[0] + " cannot be given together");
            continue;
        }
        command.mode = *mode;
        if (*mode == OutputMode::SummaryReport) {
            const std::optional<OutputMode> report = ReportMode(given[1]);
            if (!report)
                misused("unknown report " + given[1]);
            else
                command.mode = *report;
        } else if (*mode == OutputMode::ExtractClips) {
            command.extractFolder = given[1];
        } else if (*mode == OutputMode::RepeatWave) {
            command.repeatClip = given[1];
            command.repeatOutput = given[2];
        }
        chosen = std::move(given);
    }
    for (int i = optind; i < argc; ++i)
        command.files.emplace_back(argv[static_cast<std::size_t>(i)]);
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
           "  --json            one JSON object per file and line; its path is the file\n"
           "                    as given or found, as in --csv\n"
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
           "                    of digits only is a line number. OUT - is standard output,\n"
           "                    when that is not a terminal\n"
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
           "value may follow it as the next argument or after '=' (--report=cvs); short\n"
           "options may be bundled (-rj2). -- ends the options. A FILE of - is standard\n"
           "input, named - in messages.\n"
           "\n"
           "In the plain, --cvs, --clips and plain --diff outputs a TAB, carriage return or\n"
           "line feed inside a cell is written as \\t, \\r or \\n, a backslash as \\\\ and\n"
           "any other control character as \\xHH; other cells are written unchanged.\n"
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
