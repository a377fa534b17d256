#pragma once

#include <chrono>
#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tambrelox::bench {

// Once the watched window has been painted, prints the wall-clock time in
// microseconds since the epoch and ends the program.
class FirstPaintReporter : public QObject {
  public:
    explicit FirstPaintReporter(QWidget& window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so it runs once the paint event has been handled.
            QMetaObject::invokeMethod(this, &FirstPaintReporter::Report, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void Report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

}  // namespace tambrelox::bench
