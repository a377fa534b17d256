#include "ui/shared/button_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace tambrelox {

void ClickOnKeys(QWidget& window, const QList<QKeySequence>& keys, QAbstractButton& button) {
    auto* action = new QAction(&window);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, &button, &QAbstractButton::click);
    window.addAction(action);
}

void ClickOnCloseKeys(QWidget& window, QAbstractButton& button) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    // Ctrl+W whatever the desktop's key scheme; a key listed twice would be ambiguous.
    for (const QKeySequence& always :
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        if (!keys.contains(always)) keys.append(always);
    }
    ClickOnKeys(window, keys, button);
}

}  // namespace tambrelox
