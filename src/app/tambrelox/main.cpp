#include <algorithm>
#include <iostream>
#include <string_view>

#include <QApplication>
#include <QCommandLineParser>

#include "app/tambrelox/desktop_windows.h"
#include "app/tambrelox/headless_print.h"
#include "app/tambrelox/quit_on_signals.h"
#include "core/base/title_line.h"
#include "core/project/session_state.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/user_dialogs.h"

namespace {

constexpr int kPrintFailed = 1;
constexpr int kUsageError = 2;

// A headless printout needs no screen: without a display, draw offscreen
// rather than fail to start.
void AllowHeadlessPrinting(int argc, char** argv) {
    const bool printing = std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::string_view(argument).starts_with("--print");
    });
    if (printing && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tambrelox;
    AllowHeadlessPrinting(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tambrelox"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion.data(), kVersion.size()));
    QApplication::setDesktopFileName(QStringLiteral("tambrelox"));
    QApplication::setWindowIcon(ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows what is inside an SPJ sound project."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption printOption(
        QStringLiteral("print"),
        QStringLiteral("Print a report of the file without a window: summary, cvs or text."),
        QStringLiteral("report"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"),
                                       QStringLiteral("With --print: the PDF file to print into."),
                                       QStringLiteral("file"));
    parser.addOption(printOption);
    parser.addOption(pdfOption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Sound project (.spj) to open at start."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    const NumberFormat numberFormat = NumberFormat::FromUserLocale();
    if (files.size() > 1) {
        std::cerr << "tambrelox: give at most one file\n";
        return kUsageError;
    }

    if (parser.isSet(printOption)) {
        const auto report = HeadlessReportNamed(parser.value(printOption));
        if (!report || !parser.isSet(pdfOption) || files.size() != 1) {
            std::cerr << "tambrelox: use --print summary|cvs|text --pdf OUT.pdf FILE.spj\n";
            return kUsageError;
        }
        const auto printed = PrintFileToPdf(*report, files.front().toStdString(),
                                            parser.value(pdfOption), numberFormat);
        if (printed.ok()) return 0;
        std::cerr << printed.refusal().message << '\n';
        return kPrintFailed;
    }

    // Declared before the windows, so it still stands while they are destroyed.
    QuitOnSignals quitOnSignals;
    SessionState session;
    session.numberFormat = numberFormat;
    QtUserDialogs dialogs;
    TambreloxMain window(session, dialogs, DesktopWindows(session, dialogs));
    window.show();
    if (!files.isEmpty()) window.OpenProject(files.front());
    return QApplication::exec();
}
