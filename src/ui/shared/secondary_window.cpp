#include "ui/shared/secondary_window.h"

#include <utility>

namespace tambrelox {

SecondaryWindow::SecondaryWindow(bool& showing, Factory factory)
    : showing_(showing), factory_(std::move(factory)) {}

SecondaryWindow::~SecondaryWindow() {
    // The flag may outlive this object only as long as the window does not.
    QObject::disconnect(gone_);
    // Deleted at once rather than closed: once the event loop has ended, a
    // deferred deletion never comes, and the window's own clean-up (the
    // player's temporary files) must still run.
    delete window_.data();
}

void SecondaryWindow::Open() {
    showing_ = true;
    if (!window_) {
        // Deleted on close, so the next opening loads the window afresh.
        window_ = factory_().release();
        window_->setAttribute(Qt::WA_DeleteOnClose);
        gone_ = QObject::connect(window_, &QObject::destroyed, [this] { showing_ = false; });
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace tambrelox
