#include <iostream>

#include <QApplication>
#include <QCommandLineParser>

#include "mainwindow/program_picture.h"
#include "mainwindow/tambreloxmain.h"
#include "platform/user_dialogs.h"
#include "project/session_state.h"
#include "project/title_line.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace tambrelox;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tambrelox"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion.data(), kVersion.size()));
    QApplication::setDesktopFileName(QStringLiteral("tambrelox"));
    QApplication::setWindowIcon(ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows what is inside an SPJ sound project."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Sound project (.spj) to open at start."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::cerr << "tambrelox: give at most one file\n";
        return kUsageError;
    }

    SessionState session;
    QtUserDialogs dialogs;
    TambreloxMain window(session, dialogs);
    window.show();
    if (!files.isEmpty()) window.OpenProject(files.front());
    return QApplication::exec();
}
