#include "ui/shared/screen_fit.h"

#include <QScreen>
#include <QWidget>

namespace tambrelox {

void FitToScreen(QWidget& window) {
    const QSize available = window.screen()->availableGeometry().size();
    // A window given a size of its own keeps it where the screen has room.
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    window.resize(wanted.boundedTo(available));
}

}  // namespace tambrelox
