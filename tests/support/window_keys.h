#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

#include "ui/shared/secondary_window.h"
#include "widget_probe.h"

namespace tambrelox::testkit {

// Opens the window once for each of Esc and Ctrl+W and, with the keyboard in
// its control `focus`, presses Ctrl+P and then that key: the window is gone
// afterwards, as its Close button leaves it.
inline void PrintThenCloseWithKeys(SecondaryWindow& opened, const char* focus) {
    for (const QKeySequence& closeKeys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SCOPED_TRACE(closeKeys.toString().toStdString());
        opened.Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(opened.window()));
        QWidget* control = Child(*opened.window(), focus);
        control->setFocus();
        QTest::keySequence(control, QKeySequence(Qt::CTRL | Qt::Key_P));
        QTest::keySequence(control, closeKeys);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(opened.window(), nullptr);
    }
}

}  // namespace tambrelox::testkit
