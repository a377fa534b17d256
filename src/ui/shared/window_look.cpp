#include "ui/shared/window_look.h"

#include <algorithm>

#include <QApplication>
#include <QMargins>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace tambrelox {
namespace {

// The button face of the desktop the windows were laid out on.
const QColor kDesignedFace(240, 240, 240);

constexpr auto kScrolledName = "scrolledContent";

// A title bar and borders as common window managers draw them, in pixels at scale 1.
constexpr QMargins kUnknownFrame(8, 40, 8, 8);

std::uint8_t Channel(int value) {
    return static_cast<std::uint8_t>(value);
}

QMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
    return window.testAttribute(Qt::WA_WState_Created) && !known.isNull() ? known : kUnknownFrame;
}

// Where a span of `length` starts so that it lies inside the area, or at the
// area's start where it is too long for it.
int FittedStart(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
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

QWidget* ScrolledContent(QWidget& window) {
    auto* area = new QScrollArea(&window);
    area->setObjectName(QString::fromLatin1(kScrolledName));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* content = new QWidget;
    area->setWidget(content);
    auto* fill = new QVBoxLayout(&window);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(area);
    return content;
}

void FitToScreen(QWidget& window) {
    const QRect available = window.screen()->availableGeometry();
    const QMargins frame = FrameOf(window);
    const QSize room = available.size().shrunkBy(frame);
    QSize hint = window.sizeHint();
    if (const auto* area = window.findChild<QScrollArea*>(QString::fromLatin1(kScrolledName),
                                                          Qt::FindDirectChildrenOnly)) {
        // As small as the designed layout allows, unless the screen is smaller still.
        hint = area->widget()->sizeHint();
        window.setMinimumSize(area->widget()->minimumSizeHint().boundedTo(room));
    }
    // A window given a size of its own keeps it where the screen has room.
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : hint;
    window.resize(wanted.boundedTo(room));
    // A window never placed is placed by the window manager, or centred.
    if (!window.testAttribute(Qt::WA_Moved)) return;
    const QRect outer = window.geometry().marginsAdded(frame);
    const QPoint fitted(FittedStart(outer.x(), outer.width(), available.x(), available.width()),
                        FittedStart(outer.y(), outer.height(), available.y(), available.height()));
    if (fitted == outer.topLeft()) return;
    window.setGeometry(QRect(fitted + QPoint(frame.left(), frame.top()), window.size()));
}

QFont GrownFont(QFont font, qreal designedPoints) {
    font.setPointSizeF(designedPoints * FontGrowth(QApplication::font().pointSizeF()));
    return font;
}

}  // namespace tambrelox
