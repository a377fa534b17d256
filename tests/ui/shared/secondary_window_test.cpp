#include "ui/shared/secondary_window.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>

namespace tambrelox {
namespace {

// How one window is kept, brought up and built afresh is the main window's
// test, through each of its window buttons. This one: with no event loop left
// to run, as when the program ends.
TEST(SecondaryWindow, DestroysItsWindowAtOnceAndClearsTheFlagWithIt) {
    bool showing = false;
    auto secondary =
        std::make_unique<SecondaryWindow>(showing, [] { return std::make_unique<QWidget>(); });
    secondary->Open();
    const QPointer<QWidget> window = secondary->window();
    window->close();  // its deletion is only due

    secondary.reset();
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(showing);
}

}  // namespace
}  // namespace tambrelox
