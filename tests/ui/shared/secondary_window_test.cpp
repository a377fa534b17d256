#include "ui/shared/secondary_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

namespace tambrelox {
namespace {

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Any window will do: the flag and the window's life are looked after here alone.
TEST(SecondaryWindow, KeepsOneInstanceFlaggedUntilClosedAndBuildsItAfresh) {
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
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(showing);

    first->hide();  // opening again only brings it up
    secondary.Open();
    EXPECT_EQ(built, 1);
    EXPECT_EQ(secondary.window(), first);
    EXPECT_TRUE(first->isVisible());

    first->close();  // a Close button or the title bar's close
    DeleteClosedWindows();
    EXPECT_FALSE(showing);
    EXPECT_EQ(secondary.window(), nullptr);

    secondary.Open();
    EXPECT_EQ(built, 2);
    EXPECT_NE(secondary.window(), nullptr);
    EXPECT_TRUE(showing);
}

// With no event loop left to run, as when the program ends.
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
