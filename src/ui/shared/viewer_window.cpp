#include "ui/shared/viewer_window.h"

#include <QCloseEvent>

namespace tambrelox {

ViewerWindow::ViewerWindow(bool& showing, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), showing_(showing) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
    showing_ = false;
    emit Closed();
    QWidget::closeEvent(event);
}

}  // namespace tambrelox
