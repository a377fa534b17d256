#include "app/tambrelox/quit_on_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace tambrelox {
namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalExitBase = 128;  // the status a shell reports for a program ended by a signal

// The handler's only state: where it writes the signal's number.
volatile std::sig_atomic_t signalSocket = -1;
std::array<struct sigaction, kQuitSignals.size()> formerActions{};

void WriteSignalNumber(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full socket already holds a request to quit; this one may go.
    (void)!::write(signalSocket, &number, 1);
    errno = savedErrno;
}

}  // namespace

QuitOnSignals::QuitOnSignals(QObject* parent) : QObject(parent) {
    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends.data()) != 0)
        return;  // the signals keep their default effect
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    signalSocket = writeEnd_;
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignals::QuitWithArrivedSignal);

    struct sigaction action {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
        ::sigaction(kQuitSignals[i], nullptr, &formerActions[i]);
        // A signal ignored by whoever started the program (nohup) stays ignored.
        if (formerActions[i].sa_handler != SIG_IGN) ::sigaction(kQuitSignals[i], &action, nullptr);
    }
}

QuitOnSignals::~QuitOnSignals() {
    if (writeEnd_ < 0) return;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i)
        ::sigaction(kQuitSignals[i], &formerActions[i], nullptr);
    signalSocket = -1;
    ::close(readEnd_);
    ::close(writeEnd_);
}

void QuitOnSignals::QuitWithArrivedSignal() {
    // Peeked, not taken: the number stays readable, so an event loop started
    // after this one ends at once too, such as the main loop after a message
    // box that was open before it began.
    unsigned char number = 0;
    if (::recv(readEnd_, &number, 1, MSG_PEEK) != 1) return;
    QCoreApplication::exit(kSignalExitBase + number);
}

}  // namespace tambrelox
