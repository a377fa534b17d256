#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QMetaEnum>
#include <QWidget>

namespace tambrelox::testkit {

namespace internal {

// What a screen reader must be able to call by name; an empty label shows
// nothing to name.
inline bool NeedsName(const QAccessibleInterface& control) {
    static constexpr QAccessible::Role kControls[] = {
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox,     QAccessible::SpinBox,  QAccessible::Slider,
        QAccessible::Table,        QAccessible::List,     QAccessible::Tree,
        QAccessible::EditableText, QAccessible::Graphic};
    if (control.role() == QAccessible::StaticText) {
        const auto* label = qobject_cast<const QLabel*>(control.object());
        return label == nullptr || !label->text().isEmpty();
    }
    return std::ranges::find(kControls, control.role()) != std::end(kControls);
}

inline void CollectUnnamed(QAccessibleInterface& control, std::vector<std::string>& unnamed) {
    if (NeedsName(control) && control.text(QAccessible::Name).trimmed().isEmpty()) {
        const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(control.role());
        unnamed.push_back(control.object()->objectName().toStdString() + " (" + role + ")");
    }
    // The cells and items of views are named by the toolkit from their contents.
    if (control.tableInterface() != nullptr || control.role() == QAccessible::List) return;
    for (int i = 0; i < control.childCount(); ++i) {
        if (QAccessibleInterface* child = control.child(i)) CollectUnnamed(*child, unnamed);
    }
}

}  // namespace internal

// The controls in `window`'s accessible tree, by object name and role, that a
// screen reader could only announce by their kind.
inline std::vector<std::string> UnnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    internal::CollectUnnamed(*QAccessible::queryAccessibleInterface(&window), unnamed);
    return unnamed;
}

}  // namespace tambrelox::testkit
