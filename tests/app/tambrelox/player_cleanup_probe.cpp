// The desktop program as its main sets it up, with a project loaded and the
// player repeat-playing its first clip. Prints "playing" once the sound has
// started; when its standard input ends, it is left the way a user leaves it:
// Quit in the main window, then Return to Menu in the player.
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>

#include "app/tambrelox/desktop_windows.h"
#include "app/tambrelox/quit_on_signals.h"
#include "core/project/session_state.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "ui/shared/user_dialogs.h"

namespace {

QWidget* Player() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("SoundTest")) return top;
    }
    return nullptr;
}

void Click(const QWidget& window, const char* button) {
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tambrelox;
    if (argc != 2) {
        std::fputs("usage: player_cleanup_probe FILE.spj\n", stderr);
        return 2;
    }
    // As if started from a terminal, whatever signals the test runner ignores.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, SIG_DFL);
    QApplication app(argc, argv);
    QuitOnSignals quitOnSignals;
    SessionState session;
    QtUserDialogs dialogs;
    MainWindow window(session, dialogs, DesktopWindows(session, dialogs));
    window.show();
    window.OpenProject(QString::fromLocal8Bit(argv[1]));

    Click(window, "Command8");
    QWidget* player = Player();
    if (player == nullptr) return 1;
    player->findChild<QListWidget*>(QLatin1String("SoundList"))->setCurrentRow(0);
    Click(*player, "cmdrepeat");
    std::puts("playing");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char byte = 0;
        if (::read(STDIN_FILENO, &byte, 1) != 0) return;
        input.setEnabled(false);
        Click(window, "Command3");
        if (QWidget* open = Player()) Click(*open, "cmdQuit");
    });
    return QApplication::exec();
}
