#pragma once

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>

#include <QString>
#include <QWidget>

#include "core/project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox::testkit {

// The named control of a window; a missing one fails the test.
template <class T = QWidget>
T* Child(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// For people to look at; not compared with anything.
inline void SaveScreenshot(QWidget& window, const char* fileName) {
    const QString path =
        QStringLiteral(TAMBRELOX_SCREENSHOT_DIR "/") + QString::fromLatin1(fileName);
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    std::cout << "screenshot: " << path.toStdString() << '\n';
}

// The project a window is given, read from what the builder makes.
inline std::shared_ptr<const Project> ReadShared(const fixture::SpjBuilder& builder,
                                                 const std::string& fileName = "diesel.spj") {
    auto outcome = ReadProject(builder.Build(), fileName);
    if (!outcome.ok()) ADD_FAILURE() << outcome.refusal().message;
    return std::make_shared<const Project>(std::move(outcome).value());
}

}  // namespace tambrelox::testkit
