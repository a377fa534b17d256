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

// `font` at `designedPoints`, grown in step with a desktop font larger than
// the usual one, so fixed sizes never end up smaller than the desktop's own.
[[nodiscard]] QFont GrownFont(QFont font, qreal designedPoints);

}  // namespace tambrelox
