#pragma once

#include <string>
#include <vector>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QMetaEnum>
#include <QObject>
#include <QWidget>

namespace tambrelox::testkit {

namespace internal {

// What a screen reader must be able to call by name. The cells, items and
// scroll bars of views are named by the toolkit from their contents.
inline bool NeedsName(const QAccessibleInterface& control) {
    switch (control.role()) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::Table:
        case QAccessible::List:
        case QAccessible::Tree:
        case QAccessible::EditableText:
        case QAccessible::Graphic:
            return true;
        case QAccessible::StaticText: {  // an empty label shows nothing to name
            const auto* label = qobject_cast<const QLabel*>(control.object());
            return label == nullptr || !label->text().isEmpty();
        }
        default:
            return false;
    }
}

inline void CollectUnnamed(QAccessibleInterface& control, std::vector<std::string>& unnamed) {
    if (NeedsName(control) && control.text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = control.object();
        const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(control.role());
        unnamed.push_back((object ? object->objectName() : QStringLiteral("?")).toStdString() +
                          " (" + (role ? role : "unknown role") + ")");
    }
    switch (control.role()) {
        case QAccessible::Table:
        case QAccessible::List:
        case QAccessible::Tree:
            return;
        default:
            break;
    }
    for (int i = 0; i < control.childCount(); ++i) {
        if (QAccessibleInterface* child = control.child(i)) CollectUnnamed(*child, unnamed);
    }
}

}  // namespace internal

// The controls of `window`'s accessible tree, by object name and role, that a
// screen reader could only announce by their kind.
inline std::vector<std::string> UnnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window)) {
        internal::CollectUnnamed(*root, unnamed);
    } else {
        unnamed.push_back(window.objectName().toStdString() + " (no accessible interface)");
    }
    return unnamed;
}

}  // namespace tambrelox::testkit
