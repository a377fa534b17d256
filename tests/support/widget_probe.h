#pragma once

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace tambrelox::testkit {

// The named control of a window; a missing one fails the test.
template <class T = QWidget>
T* Child(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The top-level windows of that object name now open.
inline std::vector<QWidget*> TopWindows(const char* name) {
    std::vector<QWidget*> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name) windows.push_back(top);
    }
    return windows;
}

// For people to look at; not compared with anything.
inline void SaveScreenshot(QWidget& window, const char* fileName) {
    const QString path =
        QStringLiteral(TAMBRELOX_SCREENSHOT_DIR "/") + QString::fromLatin1(fileName);
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    std::cout << "screenshot: " << path.toStdString() << '\n';
}

// A button as drawn: its face, sampled inside the border and clear of the
// centred text, is `face` all over, and its text is drawn in `text`.
inline void ExpectSolidFace(QWidget& button, const QColor& face, const QColor& text) {
    const QImage image = button.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    for (const QPoint at : {QPoint(5, h / 2), QPoint(w - 6, h / 2), QPoint(w / 2, 3),
                            QPoint(w / 2, h - 4), QPoint(8, 4), QPoint(w - 9, h - 5)}) {
        EXPECT_EQ(image.pixelColor(at).name(), face.name())
            << button.objectName().toStdString() << " at " << at.x() << "," << at.y();
    }
    int textPixels = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) textPixels += image.pixelColor(x, y).rgb() == text.rgb();
    }
    EXPECT_GT(textPixels, 20) << button.objectName().toStdString();
}

}  // namespace tambrelox::testkit
