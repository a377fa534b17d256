#include "ui/shared/window_look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tambrelox {
namespace {

// The button face of the desktop the windows were laid out on.
const QColor kDesignedFace(240, 240, 240);

std::uint8_t Channel(int value) {
    return static_cast<std::uint8_t>(value);
}

}  // namespace

Rgb ToRgb(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {Channel(rgb.red()), Channel(rgb.green()), Channel(rgb.blue())};
}

void UseDesignedFace(QWidget& window) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kDesignedFace);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
}

QFont GrownFont(QFont font, qreal designedPoints) {
    font.setPointSizeF(designedPoints * FontGrowth(QApplication::font().pointSizeF()));
    return font;
}

}  // namespace tambrelox
