#pragma once

class QWidget;

namespace tambrelox {

// Sizes a window that is about to be shown to the size it was given, or else
// to what its contents ask for, but never larger than the free area of the
// screen it will be shown on.
void FitToScreen(QWidget& window);

}  // namespace tambrelox
