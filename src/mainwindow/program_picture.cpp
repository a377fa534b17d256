#include "mainwindow/program_picture.h"

#include <cmath>

#include <QPainter>
#include <QSvgRenderer>

namespace tambrelox {
namespace {

constexpr auto kPictureResource = ":/tambrelox/tambrelox.svg";
constexpr int kIconSides[] = {16, 32, 48, 64, 128};

QPixmap Render(QSvgRenderer& renderer, int side, qreal devicePixelRatio) {
    const int pixels = static_cast<int>(std::lround(side * devicePixelRatio));
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

}  // namespace

QPixmap ProgramPicture(int side, qreal devicePixelRatio) {
    QSvgRenderer renderer{QString::fromLatin1(kPictureResource)};
    return Render(renderer, side, devicePixelRatio);
}

const QIcon& ProgramIcon() {
    static const QIcon icon = [] {
        QSvgRenderer renderer{QString::fromLatin1(kPictureResource)};
        QIcon sizes;
        for (const int side : kIconSides) sizes.addPixmap(Render(renderer, side, 1.0));
        return sizes;
    }();
    return icon;
}

}  // namespace tambrelox
