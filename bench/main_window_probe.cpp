// The program as it starts with a project named on the command line, up to
// the first paint of its main window.
#include <cstdio>

#include <QApplication>

#include "app/tambrelox/desktop_windows.h"
#include "first_paint.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "ui/shared/program_picture.h"
#include "ui/shared/user_dialogs.h"

int main(int argc, char** argv) {
    using namespace tambrelox;
    if (argc != 2) {
        std::fputs("usage: main_window_probe FILE.spj\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    SessionState session;
    QtUserDialogs dialogs;
    MainWindow window(session, dialogs, DesktopWindows(session, dialogs));
    window.show();
    window.OpenProject(QString::fromLocal8Bit(argv[1]));
    bench::FirstPaintReporter reporter(window);
    return QApplication::exec();
}
