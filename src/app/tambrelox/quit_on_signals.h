#pragma once

#include <QObject>

class QSocketNotifier;

namespace tambrelox {

// Turns SIGTERM, SIGINT and SIGHUP into an orderly end of the application's
// event loops with status 128 + the signal's number, so every destructor
// runs: the player's temporary files go even when the program is stopped from
// outside. A signal that was ignored when the program started stays ignored.
// One instance at most; the signals' former handling comes back when it goes.
class QuitOnSignals : public QObject {
    Q_OBJECT

  public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

  private:
    void QuitWithArrivedSignal();

    // A signal handler may do little more than write to a socket; the event
    // loop reads the other end.
    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tambrelox
