// The flash budget under the main window's grid: its colour at each level as
// drawn, and when it is seen.
#include "ui/mainwindow/flash_budget_bar.h"

#include "window_test.h"

#include "app/tambrelox/desktop_windows.h"
#include "ui/mainwindow/tambreloxmain.h"

namespace tambrelox {
namespace {

// The colour the bar is filled with at its left end.
QColor DrawnFill(FlashBudgetBar& bar) {
    const QRect area = bar.BarArea();
    return bar.grab().toImage().pixelColor(area.left() + 2, area.center().y());
}

TEST(FlashBudgetBar, FillsInTheColourOfItsLevelRightAtEachThreshold) {
    FlashBudgetBar bar;
    bar.resize(300, bar.sizeHint().height());
    struct Case {
        double total;
        QColor colour;
    };
    for (const Case c :
         {Case{472320, FlashBudgetBar::kComfortable}, Case{472576, FlashBudgetBar::kNearlyFull},
          Case{524800, FlashBudgetBar::kNearlyFull}, Case{525056, FlashBudgetBar::kOverLimit}}) {
        ProjectSummary summary;
        summary.projectTotal = c.total;
        bar.ShowBudget(AssessFlashBudget(summary, {}), "tip");
        EXPECT_EQ(DrawnFill(bar), c.colour) << c.total;
    }
    EXPECT_EQ(bar.accessibleDescription(), "525,056 of 524,888 bytes (101%)");
    EXPECT_FALSE(bar.accessibleName().isEmpty());
}

// A project whose whole total is `clipSize` rounded up to 256, plus 256 of program code.
std::vector<std::uint8_t> ProjectOfSize(std::uint32_t clipSize) {
    fixture::FixtureEntry clip{1,        1, fixture::MakeWave(fixture::Tone(440, 0.01), 8).bytes,
                               clipSize, 0, "big.wav"};
    return fixture::SpjBuilder()
        .Entry(clip)
        .Code(fixture::ProgramCode().Voice(1).End())
        .StartupCVs({})
        .Text("t")
        .Build();
}

TEST(FlashBudgetBarInTheMainWindow, ShownWithAProjectInItsColourAndHiddenWithout) {
    QTemporaryDir folder;
    testkit::FakeUserDialogs dialogs;
    SessionState session;
    MainWindow window{session, dialogs, DesktopWindows(session, dialogs)};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* bar = testkit::Child<FlashBudgetBar>(window, "FlashBudgetBar");
    EXPECT_FALSE(bar->isVisible());
    const QRect quit = testkit::Child(window, "Command3")->geometry();

    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        QString text;
        QColor colour;
    };
    const Case cases[] = {
        {"green", fixture::BuildDemoProject(), "114,432 of 524,888 bytes (22%)",
         FlashBudgetBar::kComfortable},
        {"amber", ProjectOfSize(480000), "480,256 of 524,888 bytes (91%)",
         FlashBudgetBar::kNearlyFull},
        {"red", ProjectOfSize(530000), "530,432 of 524,888 bytes (102%)",
         FlashBudgetBar::kOverLimit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromLatin1(c.name) + ".spj");
        ASSERT_TRUE(WriteWholeFile(path.toStdString(), c.bytes).ok());
        window.OpenProject(path);
        ASSERT_TRUE(dialogs.critical.empty());
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(testkit::Child<QLabel>(*bar, "lblFlashBudget")->text(), c.text);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(DrawnFill(*bar), c.colour);
        EXPECT_EQ(testkit::Child(window, "Command3")->geometry(), quit);
        testkit::SaveScreenshot(window,
                                ("mainwindow-flash-" + std::string(c.name) + ".png").c_str());
    }

    const QString broken = folder.filePath("broken.spj");
    ASSERT_TRUE(WriteWholeFile(broken.toStdString(), std::vector<std::uint8_t>(10, 0)).ok());
    window.OpenProject(broken);
    EXPECT_EQ(dialogs.critical.size(), 1U);
    EXPECT_FALSE(bar->isVisible());
}

}  // namespace
}  // namespace tambrelox
