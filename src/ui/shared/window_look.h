#pragma once

#include <QColor>
#include <QFont>

#include "core/base/legibility.h"

class QWidget;

namespace tambrelox {

[[nodiscard]] Rgb ToRgb(const QColor& colour);

// A window whose labels have colours of their own keeps the light face it was
// designed on, with black text elsewhere, so those colours read under a dark
// desktop theme too. Buttons, lists and tables still follow the theme.
void UseDesignedFace(QWidget& window);

// The widget a window lays its controls out on: it fills the window and
// scrolls where the screen is too small for the window's designed layout, so
// that every control can still be reached.
[[nodiscard]] QWidget* ScrolledContent(QWidget& window);

// Sizes a window to the size it was given, or else to what its contents ask
// for, and places it where it was put, so that its frame, title bar included,
// lies within the free area of its screen. A frame not yet known, before the
// window is first shown, is taken to be as large as common window managers draw.
void FitToScreen(QWidget& window);

// `font` at `designedPoints`, grown in step with a desktop font larger than
// the usual one, so fixed sizes never end up smaller than the desktop's own.
[[nodiscard]] QFont GrownFont(QFont font, qreal designedPoints);

}  // namespace tambrelox
