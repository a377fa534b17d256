#include "ui/shared/program_picture.h"

#include <cmath>

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace tambrelox {
namespace {

constexpr int kPictureSide = 205;

}  // namespace

const QPixmap& ProgramPicture() {
    static const QPixmap picture = [] {
        const qreal ratio = qApp->devicePixelRatio();
        const int pixels = static_cast<int>(std::lround(kPictureSide * ratio));
        QPixmap drawn(pixels, pixels);
        drawn.fill(Qt::transparent);
        QSvgRenderer renderer{QStringLiteral(":/tambrelox/tambrelox.svg")};
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        drawn.setDevicePixelRatio(ratio);
        return drawn;
    }();
    return picture;
}

void ShowProgramPicture(QLabel& label) {
    label.setPixmap(ProgramPicture());
    label.setAccessibleName(QStringLiteral("Tambrelox picture"));
    label.setAccessibleDescription(
        QStringLiteral("A grey steam locomotive with two musical notes above it"));
}

const QIcon& ProgramIcon() {
    // Scaled down from the picture on demand; drawing the picture again at
    // icon sizes would cost start-up time for no visible gain.
    static const QIcon icon(ProgramPicture());
    return icon;
}

}  // namespace tambrelox
