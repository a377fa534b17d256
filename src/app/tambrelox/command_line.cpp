#include "app/tambrelox/command_line.h"

#include <QCommandLineParser>

#include <utility>

namespace tambrelox {
namespace {

Refusal Misused(const QString& what) {
    return {RefusalKind::BadArgument, what.toStdString()};
}

// The one value an option was given, however often it was given it; nothing
// when it was given different ones.
std::optional<QString> SingleValue(const QCommandLineParser& parser,
                                   const QCommandLineOption& option) {
    QStringList values = parser.values(option);
    values.removeDuplicates();
    if (values.size() != 1) return std::nullopt;
    return values.front();
}

}  // namespace

Outcome<DesktopCommandLine> ParseDesktopCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption printOption(QStringLiteral("print"), QString(),
                                         QStringLiteral("report"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("file"));
    parser.addOptions({helpOption, versionOption, printOption, pdfOption});
    // --help wins wherever it is given, even after an option that is wrong.
    const bool parsed = parser.parse(arguments);
    DesktopCommandLine command;
    if (parser.isSet(helpOption)) {
        command.request = DesktopRequest::Help;
        return command;
    }
    if (!parsed) return Misused(parser.errorText());
    if (parser.isSet(versionOption)) {
        command.request = DesktopRequest::Version;
        return command;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return Misused(QStringLiteral("give at most one file"));
    if (!files.isEmpty()) command.file = files.front();
    if (!parser.isSet(printOption)) {
        if (parser.isSet(pdfOption)) return Misused(QStringLiteral("--pdf needs --print"));
        return command;
    }
    const std::optional<QString> report = SingleValue(parser, printOption);
    if (!report) return Misused(QStringLiteral("--print given different reports"));
    command.printout = HeadlessReportNamed(*report);
    if (!command.printout) return Misused("unknown report " + *report);
    if (!parser.isSet(pdfOption)) return Misused(QStringLiteral("--print needs --pdf"));
    const std::optional<QString> pdf = SingleValue(parser, pdfOption);
    if (!pdf) return Misused(QStringLiteral("--pdf given different files"));
    command.pdf = *pdf;
    if (!command.file) return Misused(QStringLiteral("--print needs the SPJ file to print"));
    return command;
}

std::string DesktopUsageText() {
    return "Usage: tambrelox [FILE.spj]\n"
           "       tambrelox --print summary|cvs|text --pdf OUT.pdf FILE.spj\n"
           "Shows what is inside an SPJ sound project.\n"
           "\n"
           "  --print REPORT    print the summary, the non-zero CVs (cvs) or the descriptive\n"
           "                    text of FILE.spj without a window, also where there is no\n"
           "                    display, exactly as the windows print it\n"
           "  --pdf OUT.pdf     with --print: the PDF file to print into, replaced whole or\n"
           "                    not at all (through a temporary file in its folder); - is\n"
           "                    standard output, when that is not a terminal\n"
           "  -h, --help        show this text\n"
           "  --version         show the version\n"
           "\n"
           "An option's value may follow it as the next argument or after '=' (--print=cvs);\n"
           "-- ends the options. --help wins wherever it is given. --help, --version and\n"
           "--print need no display; without --print and with no display the program\n"
           "says so and exits 1.\n"
           "\n"
           "Errors go to standard error as 'tambrelox: FILE: MESSAGE', FILE as it was given.\n"
           "Exit status: 0 on success, 1 when the project could not be read or the printout\n"
           "not written ('tambrelox: write error: REASON' when standard output failed), 2 on\n"
           "a usage error; the desktop program ends with 128 plus the signal's number when\n"
           "SIGTERM, SIGINT or SIGHUP ends it.\n";
}

}  // namespace tambrelox
