#include "ui/shared/secondary_window.h"

#include <utility>

namespace tambrelox {

SecondaryWindow::SecondaryWindow(bool& showing, Factory factory)
    : showing_(showing), factory_(std::move(factory)) {}

SecondaryWindow::~SecondaryWindow() {
    // Deleted at once rather than closed: once the event loop has ended, a
    // deferred deletion never comes, and the window's own clean-up (the
    // player's temporary files) must still run.
    delete window_.data();
}

void SecondaryWindow::Open() {
    if (!window_) {
        // Deleted once closed, so the next opening loads the project chosen last.
        window_ = factory_().release();
        window_->setAttribute(Qt::WA_DeleteOnClose);
        // No context object needed: the destructor deletes the window at the latest.
        QObject::connect(window_, &QObject::destroyed, [this] { showing_ = false; });
    }
    showing_ = true;
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace tambrelox
