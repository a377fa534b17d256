#include "ui/shared/secondary_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

namespace tambrelox {
namespace {

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SecondaryWindow, KeepsOneInstanceAndBuildsItAfreshAfterItWasClosed) {
    bool showing = false;
    int built = 0;
    SecondaryWindow secondary(showing, [&] {
        ++built;
        return std::make_unique<QWidget>();
    });

    secondary.Open();
    QWidget* first = secondary.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(showing);

    first->hide();  // opening again only brings it up
    secondary.Open();
    EXPECT_EQ(built, 1);
    EXPECT_EQ(secondary.window(), first);
    EXPECT_TRUE(first->isVisible());

    first->close();
    DeleteClosedWindows();
    EXPECT_FALSE(showing);
    EXPECT_EQ(secondary.window(), nullptr);

    secondary.Open();
    EXPECT_EQ(built, 2);
    EXPECT_TRUE(showing);
    secondary.window()->close();
    DeleteClosedWindows();
}

// With no event loop left to run, as when the program ends.
TEST(SecondaryWindow, DestroysItsWindowAtOnceWithoutTouchingTheFlagAfterwards) {
    auto showing = std::make_unique<bool>(false);
    auto secondary =
        std::make_unique<SecondaryWindow>(*showing, [] { return std::make_unique<QWidget>(); });
    secondary->Open();
    const QPointer<QWidget> window = secondary->window();
    window->close();  // its deletion is only due

    secondary.reset();
    showing.reset();  // the flag may go with its owner
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace tambrelox
