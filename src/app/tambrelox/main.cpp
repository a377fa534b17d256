#include <unistd.h>

#include <exception>
#include <iostream>

#include <QApplication>

#include "app/tambrelox/command_line.h"
#include "app/tambrelox/desktop_windows.h"
#include "app/tambrelox/headless_print.h"
#include "app/tambrelox/quit_on_signals.h"
#include "core/base/file_bytes.h"
#include "core/base/title_line.h"
#include "core/project/session_state.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/user_dialogs.h"

namespace {

using tambrelox::DesktopExitStatus;

// Standard output flushed; false, said on stderr, when it could not all be written.
bool OutputWritten() {
    const auto flushed = tambrelox::FlushOutput(std::cout);
    if (flushed.ok()) return true;
    std::cerr << "tambrelox: write error: " << flushed.refusal().message << '\n';
    return false;
}

QtMessageHandler qtMessages = nullptr;

// Qt's start-up warns when XDG_RUNTIME_DIR is not set, though a printout
// never needs the folder; every other message goes out as before.
void WithoutRuntimeFolderNoise(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    qtMessages(type, context, message);
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int Run(int argc, char** argv) {
    using namespace tambrelox;
    // Before any application object: help, version and usage errors need no display.
    const auto parsed = ParseDesktopCommandLine(Arguments(argc, argv));
    if (!parsed.ok()) {
        std::cerr << "tambrelox: " << parsed.refusal().message << "\nTry 'tambrelox --help'.\n";
        return static_cast<int>(DesktopExitStatus::UsageError);
    }
    const DesktopCommandLine& command = parsed.value();
    if (command.request == DesktopRequest::Help) {
        std::cout << DesktopUsageText();
        return static_cast<int>(OutputWritten() ? DesktopExitStatus::Success
                                                : DesktopExitStatus::Failure);
    }
    if (command.request == DesktopRequest::Version) {
        std::cout << VersionLine("tambrelox") << '\n';
        return static_cast<int>(OutputWritten() ? DesktopExitStatus::Success
                                                : DesktopExitStatus::Failure);
    }
    const NumberFormat numberFormat = NumberFormat::FromUserLocale();

    if (command.printout && command.pdf == QLatin1String(kStandardOutput.data()) &&
        ::isatty(STDOUT_FILENO) == 1) {
        std::cerr << "tambrelox: will not write a PDF to a terminal; redirect standard output\n";
        return static_cast<int>(DesktopExitStatus::UsageError);
    }
    if (command.printout) {
        // A printout needs no screen, and must not fail for want of one.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qtMessages = qInstallMessageHandler(WithoutRuntimeFolderNoise);
        const QApplication app(argc, argv);
        const std::string spj = command.file->toStdString();
        const auto printed = PrintFileToPdf(*command.printout, spj, command.pdf.toStdString(),
                                            numberFormat, std::cout);
        if (!OutputWritten()) return static_cast<int>(DesktopExitStatus::Failure);
        if (printed.ok()) return static_cast<int>(DesktopExitStatus::Success);
        std::cerr << "tambrelox: " << spj << ": " << printed.refusal().message << '\n';
        return static_cast<int>(DesktopExitStatus::Failure);
    }

    // With no display, or one that cannot be reached, Qt's window system
    // plugins fail and Qt aborts the program. The plugins Qt would choose are
    // tried as it would try them, then "minimal", which shows nothing and so
    // stands for "no display": the program then says why it cannot go on.
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!platformChosen) {
        const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                             qgetenv("XDG_SESSION_TYPE") == "wayland";
        qputenv("QT_QPA_PLATFORM", wayland ? "wayland;xcb;minimal" : "xcb;minimal");
    }
    QApplication app(argc, argv);
    if (!platformChosen) {
        if (QGuiApplication::platformName() == QLatin1String("minimal")) {
            std::cerr << "tambrelox: no display to open a window on (DISPLAY or WAYLAND_DISPLAY);"
                         " --print needs none\n";
            return static_cast<int>(DesktopExitStatus::Failure);
        }
        // Programs started from the windows choose for themselves.
        qunsetenv("QT_QPA_PLATFORM");
    }
    // Settings then live in ~/.config/tambrelox/tambrelox.conf.
    QApplication::setOrganizationName(QStringLiteral("tambrelox"));
    QApplication::setApplicationName(QStringLiteral("tambrelox"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion.data(), kVersion.size()));
    // Named as the installed desktop entry, so desktops match windows to it.
    QApplication::setDesktopFileName(QStringLiteral("org.tambrelox.Tambrelox"));
    QApplication::setWindowIcon(ProgramIcon());
    // Declared before the windows, so it still stands while they are destroyed.
    QuitOnSignals quitOnSignals;
    SessionState session;
    session.numberFormat = numberFormat;
    QtUserDialogs dialogs;
    MainWindow window(session, dialogs, DesktopWindows(session, dialogs));
    window.show();
    // A refused file's message box then comes up over the window shown.
    if (command.file) window.OpenProjectSoon(*command.file);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    // Every expected failure is an Outcome or a message box; this is for the
    // unexpected (no memory, a file system error from the library), so that it
    // too ends with a message and a failure status rather than an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "tambrelox: " << error.what() << '\n';
        return static_cast<int>(DesktopExitStatus::Failure);
    }
}
