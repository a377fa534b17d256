#pragma once

#include <QKeySequence>
#include <QList>

class QAbstractButton;
class QWidget;

namespace tambrelox {

// While `window` is active, `keys` click `button`: exactly what clicking it
// does, and nothing while it is disabled.
void ClickOnKeys(QWidget& window, const QList<QKeySequence>& keys, QAbstractButton& button);

// Esc, Ctrl+W and the desktop's other close keys click the button that leaves `window`.
void ClickOnCloseKeys(QWidget& window, QAbstractButton& button);

}  // namespace tambrelox
