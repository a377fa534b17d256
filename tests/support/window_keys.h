#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "ui/shared/secondary_window.h"
#include "widget_probe.h"

namespace tambrelox::testkit {

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
