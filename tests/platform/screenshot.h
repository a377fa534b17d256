#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

namespace tambrelox::testing {

// Saves what the window shows as <build>/screenshots/<name>.png for people to look at.
inline void SaveScreenshot(QWidget& window, const QString& name) {
    const QString folder = QStringLiteral(TAMBRELOX_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(folder + '/' + name + QStringLiteral(".png")));
}

}  // namespace tambrelox::testing
