#pragma once

// What the window tests have in common: GoogleTest, the Qt classes they drive,
// the fakes and probes kept here, and checks every window must pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMetaEnum>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "core/base/file_bytes.h"
#include "demo_project.h"
#include "fake_user_dialogs.h"
#include "player_fixtures.h"
#include "ui/shared/secondary_window.h"
#include "widget_probe.h"

// Lets test failures show QStrings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tambrelox::testkit {

// A project of that descriptive text and those startup CVs, with nothing else of note.
inline std::shared_ptr<const Project> ProjectWith(const std::string& text,
                                                  const std::array<std::uint8_t, 256>& cvs = {}) {
    return ReadShared(
        fixture::SpjBuilder().Code(fixture::ProgramCode().End()).StartupCVs(cvs).Text(text));
}

// Adds to `unnamed` each control below `control`, by object name and role,
// that a screen reader could only announce by its kind; an empty label shows
// nothing to name.
inline void CollectUnnamed(QAccessibleInterface& control, std::vector<std::string>& unnamed) {
    static constexpr QAccessible::Role kControls[] = {
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox,     QAccessible::SpinBox,  QAccessible::Slider,
        QAccessible::Table,        QAccessible::List,     QAccessible::Tree,
        QAccessible::EditableText, QAccessible::Graphic};
    const auto* label = qobject_cast<const QLabel*>(control.object());
    const bool needsName =
        control.role() == QAccessible::StaticText
            ? label == nullptr || !label->text().isEmpty()
            : std::ranges::find(kControls, control.role()) != std::end(kControls);
    if (needsName && control.text(QAccessible::Name).trimmed().isEmpty()) {
        const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(control.role());
        unnamed.push_back(control.object()->objectName().toStdString() + " (" + role + ")");
    }
    // The cells and items of views are named by the toolkit from their contents.
    if (control.tableInterface() != nullptr || control.role() == QAccessible::List) return;
    for (int i = 0; i < control.childCount(); ++i) {
        if (QAccessibleInterface* child = control.child(i)) CollectUnnamed(*child, unnamed);
    }
}

inline std::vector<std::string> UnnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    CollectUnnamed(*QAccessible::queryAccessibleInterface(&window), unnamed);
    return unnamed;
}

// Opens the window and ends it each way a user can: its Close button, the
// window manager's close box, and, with the keyboard in its control `focus`,
// Ctrl+P and then Esc or Ctrl+W. The window is gone after each.
inline void CloseEveryWay(SecondaryWindow& opened, const char* focus) {
    for (const std::string_view way : {"Close", "close box", "Esc", "Ctrl+W"}) {
        SCOPED_TRACE(way);
        opened.Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(opened.window()));
        QWidget* control = Child(*opened.window(), focus);
        control->setFocus();
        if (way == "Close") {
            Child<QPushButton>(*opened.window(), "Command1")->click();
        } else if (way == "close box") {
            opened.window()->windowHandle()->close();
        } else {
            QTest::keySequence(control, QKeySequence(Qt::CTRL | Qt::Key_P));
            QTest::keySequence(control, QKeySequence(QString::fromLatin1(way)));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(opened.window(), nullptr);
    }
}

}  // namespace tambrelox::testkit
