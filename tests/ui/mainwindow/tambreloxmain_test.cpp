#include "ui/mainwindow/tambreloxmain.h"
#include "app/tambrelox/desktop_windows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "accessible_names.h"
#include "core/base/file_bytes.h"
#include "demo_project.h"
#include "fake_user_dialogs.h"
#include "qstring_printer.h"
#include "spj_builder.h"
#include "widget_probe.h"

namespace tambrelox {
namespace {

using testkit::FakeUserDialogs;

const QString kCancelMessage = QStringLiteral("No Sound Project File (.spj) was selected!");

// Each test starts as the first run did: nothing remembered.
struct FirstRun {
    FirstRun() { QSettings().clear(); }
};

class TambreloxMainTest : public ::testing::Test {
  protected:
    FirstRun firstRun;
    QTemporaryDir folder;
    FakeUserDialogs dialogs;
    SessionState session;
    MainWindow window{session, dialogs, DesktopWindows(session, dialogs)};

    // Writes `bytes` below the temporary folder and returns the file's path.
    QString Write(const QString& relativePath, const std::vector<std::uint8_t>& bytes) {
        const QString path = folder.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(WriteWholeFile(path.toStdString(), bytes).ok());
        return path;
    }

    void Choose(const QString& path) {
        dialogs.chosenFiles.push_back(path);
        Button("Command2")->click();
    }

    QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
    QLabel* Label(const char* name) { return Control<QLabel>(name); }
    QTableView* Grid() { return Control<QTableView>("WavefileGrid"); }
    bool Shown(const char* name) { return Control<QWidget>(name)->isVisibleTo(&window); }

    // The enabled state of "Print this display" and the three window buttons.
    std::vector<bool> ProjectButtons() {
        return {Button("Command1")->isEnabled(), Button("Command5")->isEnabled(),
                Button("Command7")->isEnabled(), Button("Command8")->isEnabled()};
    }

    int Pixels(int twips) {
        return static_cast<int>(std::lround(twips * Grid()->logicalDpiX() / 1440.0));
    }

    template <class T>
    T* Control(const char* name) {
        return testkit::Child<T>(window, name);
    }
};

const std::vector<bool> kAllEnabled(4, true);
const std::vector<bool> kAllDisabled(4, false);

TEST_F(TambreloxMainTest, StartsWithTheAboutTextAndOnlyGetAndQuitEnabledInTheirColours) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    testkit::SaveScreenshot(window, "mainwindow-start.png");
    EXPECT_EQ(window.windowTitle(), "Tambrelox Utility");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(Label("Label11")->text(), "Tambrelox V1.0");
    EXPECT_TRUE(Label("Label3")->text().startsWith("\nThis software was developed to reveal"));
    EXPECT_TRUE(Label("Label3")->text().contains("needed. (See Vostrelle\u00A9 to build"));
    EXPECT_TRUE(Shown("Label3"));
    EXPECT_EQ(Label("Image1")->pixmap().deviceIndependentSize(), QSizeF(205, 205));

    EXPECT_FALSE(Shown("WavefileGrid"));
    EXPECT_EQ(ProjectButtons(), kAllDisabled);
    EXPECT_TRUE(Button("Command2")->isEnabled());
    EXPECT_TRUE(Button("Command3")->isEnabled());
    testkit::ExpectSolidFace(*Button("Command2"), QColor(0, 192, 0), Qt::black);
    testkit::ExpectSolidFace(*Button("Command3"), QColor(255, 0, 0), Qt::black);
    EXPECT_EQ(testkit::UnnamedControls(window), std::vector<std::string>{});
    for (const char* hidden : {"Label1", "Label2", "Label16", "Label10", "Label14"}) {
        EXPECT_FALSE(Shown(hidden)) << hidden;
    }
    EXPECT_TRUE(Label("lblSPJName")->text().isEmpty());

    EXPECT_EQ(session.projectFolder, (QDir::homePath() + "/").toLower().toStdString());
    Choose({});
    EXPECT_EQ(dialogs.openFolders.front(), QDir::homePath());
    EXPECT_EQ(dialogs.openFilters.front(), "Sound Project Files (*.spj)");
}

TEST_F(TambreloxMainTest, AGoodFileShowsExactlyTheCoreSummaryAndEveryControlItsName) {
    window.show();
    Choose(Write("minimal.spj", fixture::MinimalProject().Build()));

    EXPECT_TRUE(dialogs.critical.empty());
    EXPECT_EQ(Label("lblSPJName")->text(), "MINIMAL.SPJ");
    EXPECT_EQ(Label("lblSPJFolder")->text(), folder.path().toLower() + "/");
    EXPECT_EQ(Label("lblAuthor")->text(), "Test Maker");
    EXPECT_EQ(Label("Label2")->text(), "any SFX Decoder");
    for (const char* shown :
         {"WavefileGrid", "Label1", "Label2", "Label16", "Label10", "Label14"}) {
        EXPECT_TRUE(Shown(shown)) << shown;
    }
    EXPECT_EQ(ProjectButtons(), kAllEnabled);
    EXPECT_EQ(testkit::UnnamedControls(window), std::vector<std::string>{});

    // Two clips in handle order, then the totals and counts, as the core lays them out.
    const std::vector<QStringList> expected = {
        {" 1", " tone16.wav", "16", "8", "5,556", ".25", "2,816"},
        {" 2", " tone8.wav", "8", "8", "2,800", ".25", "2,816"},
        {" ", "", "", "", "", "", ""},
        {"", " TOTAL SOUND CLIP DATA ", "  ", "  ", " ", " ", "5,632"},
        {"", " PROGRAM CODE ", "  ", "  ", "  ", " ", "256"},
        {"", " TOTAL WHOLE PROJECT", "  ", "  ", "  ", " ", "5,888"},
        {" ", "", "", "", "", "", ""},
        {"  ", " SOUND CLIP COUNT", "2", "  ", "  ", "  ", "  "},
        {"  ", " PROJECT VOICES", "3", "  ", "  ", "  ", "  "},
        {"  ", " PROJECT SCHEMES", "2", "  ", "  ", "  ", "  "},
    };
    const QAbstractItemModel& model = *Grid()->model();
    std::vector<QStringList> shown(static_cast<std::size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int col = 0; col < model.columnCount(); ++col)
            shown[static_cast<std::size_t>(row)] << model.data(model.index(row, col)).toString();
    }
    EXPECT_EQ(shown, expected);
    // Refilling the grid must not lose the widths of its columns; that every
    // heading fits is the layout test's, at several fonts.
    EXPECT_EQ(Grid()->columnWidth(1), Pixels(3300));
    EXPECT_GE(Grid()->columnWidth(6), Pixels(900));

    ASSERT_NE(session.project, nullptr);
    EXPECT_EQ(session.projectFileName, "minimal.spj");
    EXPECT_EQ(session.projectPath, folder.path().toLower().toStdString() + "/minimal.spj");
    EXPECT_EQ(session.projectAuthor, "Test Maker");
}

// The grid writes numbers in the format the session was given at start.
TEST_F(TambreloxMainTest, NumbersAreShownInTheSessionsFormat) {
    session.numberFormat = {".", ","};
    Choose(Write("minimal.spj", fixture::MinimalProject().Build()));
    const QAbstractItemModel& model = *Grid()->model();
    EXPECT_EQ(model.data(model.index(0, 4)).toString(), "5.556");
    EXPECT_EQ(model.data(model.index(0, 5)).toString(), ",25");
}

// The right-hand column is as wide for every decoder requirement, so the grid keeps its width.
TEST_F(TambreloxMainTest, TheGridKeepsItsWidthWhateverDecodersTheProjectNeeds) {
    window.show();
    Choose(Write("minimal.spj", fixture::MinimalProject().Build()));
    QCoreApplication::sendPostedEvents();
    const int width = Grid()->width();
    const auto fourVoices = fixture::ProgramCode().Voice(1).Voice(2).Voice(3).Voice(4).End();
    Choose(Write("premium.spj", fixture::MinimalProject().Code(fourVoices).Build()));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(Label("Label2")->text(), "Series-6 Premium Decoders Only");
    EXPECT_EQ(Grid()->width(), width);
}

TEST_F(TambreloxMainTest, ACorruptFileHidesTheGridAndKeepsTheAuthorReached) {
    Choose(Write("good.spj", fixture::MinimalProject().Build()));
    ASSERT_EQ(ProjectButtons(), kAllEnabled);

    // The header names the author in Windows-1252, NULs filling its field;
    // the first entry field's fourth byte marks the file corrupt.
    auto bytes = fixture::MinimalProject().HeaderText("Sounds by AUTHOR: Jos\xE9 R.").Build();
    bytes[fixture::SpjBuilder::RecordOffset(0) + 3] = 1;
    Choose(Write("Broken.spj", bytes));

    ASSERT_EQ(dialogs.critical.size(), 1U);
    EXPECT_EQ(dialogs.critical[0].toStdString(), CorruptionMessage("broken.spj"));
    EXPECT_FALSE(Shown("WavefileGrid"));
    EXPECT_FALSE(Shown("Label2"));
    EXPECT_TRUE(Shown("Label3"));
    EXPECT_EQ(ProjectButtons(), kAllDisabled);
    EXPECT_EQ(Label("lblAuthor")->text(), "Jos\u00E9 R.");
    EXPECT_EQ(Label("lblSPJName")->text(), "BROKEN.SPJ");
    EXPECT_EQ(session.project, nullptr);

    // Refused before the header was read: no author to show.
    Choose(Write("tiny.spj", {1, 2, 3}));
    ASSERT_EQ(dialogs.critical.size(), 2U);
    EXPECT_TRUE(dialogs.critical[1].startsWith("Problem reading tiny.spj: "));
    EXPECT_TRUE(Label("lblAuthor")->text().isEmpty());
    EXPECT_EQ(ProjectButtons(), kAllDisabled);
}

TEST_F(TambreloxMainTest, CancellingKeepsTheProjectAndForgetsTheFolder) {
    Choose(Write("minimal.spj", fixture::MinimalProject().Build()));
    const auto shown = session.project;

    Choose({});

    EXPECT_EQ(dialogs.information, std::vector<QString>{kCancelMessage});
    EXPECT_EQ(session.project, shown);
    EXPECT_TRUE(session.projectFolder.empty());
    EXPECT_TRUE(Shown("WavefileGrid"));
    EXPECT_EQ(ProjectButtons(), kAllEnabled);
    EXPECT_EQ(Label("lblSPJName")->text(), "MINIMAL.SPJ");

    Choose({});
    EXPECT_TRUE(dialogs.openFolders.back().isEmpty());
}

TEST_F(TambreloxMainTest, PathsAreSplitAndShownInLowerCaseButOpenedAsTheyAre) {
    Choose(Write("Sounds/Steam/MyLoco.SPJ", fixture::MinimalProject().Build()));

    EXPECT_TRUE(dialogs.critical.empty());
    const QString folderShown = folder.path().toLower() + "/sounds/steam/";
    EXPECT_EQ(Label("lblSPJName")->text(), "MYLOCO.SPJ");
    EXPECT_EQ(Label("lblSPJFolder")->text(), folderShown);
    EXPECT_EQ(session.projectFolder, folderShown.toStdString());
    EXPECT_EQ(session.projectFileName, "myloco.spj");
    // The next dialog starts where the file really is.
    Choose({});
    EXPECT_EQ(dialogs.openFolders.back(), folder.filePath("Sounds/Steam"));

    // A file argument without a folder names a file in the current folder.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.filePath("Sounds/Steam")));
    window.OpenProject("MyLoco.SPJ");
    QDir::setCurrent(before);
    EXPECT_EQ(session.projectFolder, folderShown.toStdString());
    EXPECT_NE(session.project, nullptr);
}

TEST_F(TambreloxMainTest, ADroppedProjectIsOpenedAndOtherFilesAreNot) {
    const QString project = Write("Dropped.SPJ", fixture::MinimalProject().Build());
    const QString notes = Write("notes.txt", {'h', 'i'});
    window.show();

    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &dropped);
        QCoreApplication::sendPostedEvents(&window);
        return true;
    };

    EXPECT_FALSE(drop({QUrl::fromLocalFile(notes)}));
    EXPECT_EQ(session.project, nullptr);
    EXPECT_TRUE(drop({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(project)}));
    EXPECT_EQ(Label("lblSPJName")->text(), "DROPPED.SPJ");
    EXPECT_NE(session.project, nullptr);
}

std::vector<QWidget*> OpenWindows(const char* name) {
    std::vector<QWidget*> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name) windows.push_back(top);
    }
    return windows;
}

// Each window button opens one modeless window; how it is kept and built
// afresh is the secondary window's own test.
TEST_F(TambreloxMainTest, ANewProjectReplacesTheShownOneButNotThatOfOpenCVAndTextWindows) {
    Choose(Write("diesel.spj", fixture::MinimalProject().Build()));
    for (const char* opener : {"Command5", "Command7", "Command8", "Command5", "Command8"}) {
        Button(opener)->click();  // the second clicks only bring their window up
    }
    for (const char* name : {"CVShow", "SPJText", "SoundTest"}) {
        ASSERT_EQ(OpenWindows(name).size(), 1U) << name;
        EXPECT_FALSE(OpenWindows(name).front()->isModal()) << name;
    }
    EXPECT_TRUE(session.cvWindowOpen && session.textWindowOpen && session.playerWindowOpen);

    Choose(Write("Demo.spj", fixture::BuildDemoProject()));  // replaces the project shown
    EXPECT_EQ(Label("lblSPJName")->text(), "DEMO.SPJ");
    EXPECT_EQ(Label("lblAuthor")->text(), "Jane Hobbyist");
    EXPECT_EQ(Grid()->model()->rowCount(), 5 + 8);
    window.show();
    testkit::SaveScreenshot(window, "mainwindow-demo.png");
    EXPECT_EQ(OpenWindows("CVShow").front()->windowTitle(), "Start Up CVs for diesel.spj");
    EXPECT_EQ(OpenWindows("SPJText").front()->windowTitle(),
              "Descriptive Text File for diesel.spj");
    for (const char* name : {"CVShow", "SPJText", "SoundTest"}) OpenWindows(name).front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(session.cvWindowOpen || session.textWindowOpen || session.playerWindowOpen);
    EXPECT_TRUE(OpenWindows("CVShow").empty() && OpenWindows("SPJText").empty());

    Button("Command5")->click();
    Button("Command7")->click();
    EXPECT_EQ(OpenWindows("CVShow").front()->windowTitle(), "Start Up CVs for demo.spj");
    EXPECT_EQ(OpenWindows("SPJText").front()->windowTitle(), "Descriptive Text File for demo.spj");
    EXPECT_TRUE(dialogs.information.empty());
}

// Only the CV window reads the startup CV block: a block cut short keeps the
// rest of the project usable and refuses that window alone.
TEST_F(TambreloxMainTest, ACVBlockCutShortShowsTheSummaryAndRefusesOnlyTheCVWindow) {
    Choose(Write("Cut.spj", fixture::CVsCutShortProject().Build()));
    EXPECT_TRUE(dialogs.critical.empty());
    EXPECT_TRUE(Shown("WavefileGrid"));
    EXPECT_EQ(Grid()->model()->rowCount(), 2 + 8);
    EXPECT_EQ(ProjectButtons(), kAllEnabled);

    Button("Command5")->click();
    EXPECT_EQ(dialogs.critical,
              std::vector<QString>{"Problem reading cut.spj: the startup CV values of directory "
                                   "record 6 reach past the end of the file. Cannot continue."});
    EXPECT_TRUE(OpenWindows("CVShow").empty());
    EXPECT_FALSE(session.cvWindowOpen);

    Button("Command7")->click();
    Button("Command8")->click();
    EXPECT_EQ(OpenWindows("SPJText").size(), 1U);
    EXPECT_EQ(OpenWindows("SoundTest").size(), 1U);
    EXPECT_EQ(dialogs.critical.size(), 1U);
}

TEST_F(TambreloxMainTest, ShortcutsOpenPrintAndQuit) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);  // disabled without a project
    EXPECT_EQ(dialogs.printerSetUps, 0);
    dialogs.chosenFiles.push_back(Write("minimal.spj", fixture::MinimalProject().Build()));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_NE(session.project, nullptr);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printerSetUps, 1);
    EXPECT_TRUE(dialogs.information.empty());  // a cancelled print ends silently

    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

// Arrows move between cells; Tab and Shift+Tab leave the grid for the buttons.
// With the CV window active its keys are its own: nothing reaches this one.
TEST_F(TambreloxMainTest, TabLeavesBothGridsAndTheCVWindowKeepsItsKeys) {
    Choose(Write("minimal.spj", fixture::MinimalProject().Build()));
    window.show();
    Button("Command5")->click();
    for (QWidget* top : {static_cast<QWidget*>(&window), OpenWindows("CVShow").front()}) {
        auto* grid = top->findChild<QTableView*>(top == &window ? "WavefileGrid" : "CVGrid");
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(1, 1));
            QTest::keyClick(grid, key);
            EXPECT_NE(QApplication::focusWidget(), grid) << grid->objectName().toStdString();
        }
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Right);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 2));
    }
    QWidget* cvs = OpenWindows("CVShow").front();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cvs));
    QTest::keyClick(cvs, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printerSetUps, 1);
    QTest::keyClick(cvs, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(OpenWindows("CVShow").empty());
    EXPECT_TRUE(window.isVisible());
}

// A file named on the command line is refused only once the window is shown.
TEST_F(TambreloxMainTest, EveryMessageBoxComesUpOverThisWindowStartUpsIncluded) {
    window.OpenProjectSoon(Write("early.spj", {1, 2, 3}));
    window.show();
    EXPECT_TRUE(dialogs.critical.empty());
    QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall);
    ASSERT_EQ(dialogs.critical.size(), 1U);
    EXPECT_TRUE(dialogs.critical[0].startsWith("Problem reading early.spj: "));
    Choose({});
    Choose(Write("tiny.spj", {1, 2, 3}));
    Choose(Write("Cut.spj", fixture::CVsCutShortProject().Build()));
    Button("Command5")->click();
    ASSERT_EQ(dialogs.information.size() + dialogs.critical.size(), 4U);
    ASSERT_EQ(dialogs.messageOwners.size(), 4U);
    for (const testkit::MessageOwner& owner : dialogs.messageOwners) {
        EXPECT_EQ(owner.window, &window);
        EXPECT_TRUE(owner.windowShown);
    }
}

// The menu the "Get SPJ File" button pops up for its context menu key.
QMenu* OpenRecentMenu(QWidget& window) {
    auto* button = testkit::Child<QPushButton>(window, "Command2");
    const QPoint at = button->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, button->mapToGlobal(at));
    QCoreApplication::sendEvent(button, &request);
    const QList<QMenu*> menus = window.findChildren<QMenu*>("recentProjects");
    if (menus.isEmpty() || !menus.back()->isVisible()) {
        ADD_FAILURE() << "no Open Recent menu shown";
        return nullptr;
    }
    return menus.back();
}

QStringList Entries(const QMenu& menu) {
    QStringList entries;
    for (const QAction* action : menu.actions()) entries << action->text();
    return entries;
}

// The whole paths the entries stand for.
QStringList Paths(const QMenu& menu) {
    QStringList paths;
    for (const QAction* action : menu.actions()) paths << action->toolTip();
    return paths;
}

TEST_F(TambreloxMainTest, OpenRecentListsTheProjectsOpenedLastAndOpensOneAsTheDialogWould) {
    window.show();
    QMenu* menu = OpenRecentMenu(window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(*menu), QStringList{"No recent projects"});
    EXPECT_FALSE(menu->actions().front()->isEnabled());
    menu->close();

    const QString diesel = Write("Diesel & Co.spj", fixture::MinimalProject().Build());
    const QString demo = Write("Sounds/Demo.spj", fixture::BuildDemoProject());
    Choose(diesel);
    Choose(demo);
    Choose(Write("tiny.spj", {1, 2, 3}));  // refused: not a project to offer again
    Choose(folder.filePath("Sounds/../Diesel & Co.spj"));

    menu = OpenRecentMenu(window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(*menu), QStringList({"&1  Diesel && Co.spj  (" + folder.path() + ")",
                                           "&2  Demo.spj  (" + folder.filePath("Sounds") + ")"}));
    EXPECT_EQ(menu->actions().at(1)->toolTip(), demo);
    testkit::SaveScreenshot(*menu, "mainwindow-open-recent.png");
    const std::size_t dialogsBefore = dialogs.openFolders.size();
    menu->actions().at(1)->trigger();
    menu->close();

    EXPECT_EQ(dialogs.openFolders.size(), dialogsBefore);
    EXPECT_EQ(Label("lblSPJName")->text(), "DEMO.SPJ");
    EXPECT_EQ(Label("lblSPJFolder")->text(), folder.path().toLower() + "/sounds/");
    EXPECT_EQ(Label("lblAuthor")->text(), "Jane Hobbyist");
    EXPECT_EQ(Grid()->model()->rowCount(), 5 + 8);
    EXPECT_EQ(ProjectButtons(), kAllEnabled);
    Choose({});
    EXPECT_EQ(dialogs.openFolders.back(), folder.filePath("Sounds"));
    EXPECT_EQ(Entries(*OpenRecentMenu(window)).front(),
              "&1  Demo.spj  (" + folder.filePath("Sounds") + ")");

    // A long folder is cut in the middle: the name stays first and the menu narrow.
    QString deep = "Sounds";
    while (deep.size() < 200) deep += "/locomotive sound library";
    const QString far = Write(deep + "/Far.spj", fixture::MinimalProject().Build());
    Choose(far);
    menu = OpenRecentMenu(window);
    const QString entry = Entries(*menu).front();
    EXPECT_TRUE(entry.startsWith("&1  Far.spj  (") && entry.contains(QChar(0x2026)))
        << entry.toStdString();
    EXPECT_EQ(menu->actions().front()->toolTip(), far);
    EXPECT_LT(menu->sizeHint().width(), window.screen()->availableGeometry().width() / 2);
}

TEST_F(TambreloxMainTest, OpenRecentDropsAProjectThatIsGoneSayingSo) {
    const QString gone = Write("gone.spj", fixture::MinimalProject().Build());
    Choose(gone);
    Choose(Write("kept.spj", fixture::MinimalProject().Build()));
    ASSERT_TRUE(QFile::remove(gone));
    QMenu* menu = OpenRecentMenu(window);
    ASSERT_NE(menu, nullptr);
    menu->actions().at(1)->trigger();
    menu->close();

    EXPECT_EQ(dialogs.information,
              std::vector<QString>{"The project " + gone +
                                   " no longer exists. It has been taken off the recent "
                                   "projects."});
    EXPECT_EQ(dialogs.messageOwners.at(0).window, &window);
    EXPECT_EQ(Label("lblSPJName")->text(), "KEPT.SPJ");  // the project shown stays
    EXPECT_EQ(Paths(*OpenRecentMenu(window)), QStringList{folder.filePath("kept.spj")});
}

// One run of the program, ended with the scope it is declared in.
struct ProgramRun {
    SessionState session;
    FakeUserDialogs dialogs;
    MainWindow window{session, dialogs, DesktopWindows(session, dialogs)};
};

TEST_F(TambreloxMainTest, TheNextRunOpensWhereThisOneLeftOff) {
    const QString project = Write("Sounds/Steam/loco.spj", fixture::MinimalProject().Build());
    QRect endedAt;
    {
        ProgramRun first;
        first.window.show();
        const QRect available = first.window.screen()->availableGeometry();
        // At the screen's left edge and as narrow as the window goes: where it
        // stays even on a screen narrower than the window.
        first.window.move(available.x() + 10, available.y() + 50);  // room for any frame
        first.window.resize(first.window.minimumWidth(), first.window.minimumHeight() + 60);
        first.dialogs.chosenFiles.push_back(project);
        testkit::Child<QPushButton>(first.window, "Command2")->click();
        QTest::keyClick(&first.window, Qt::Key_Q, Qt::ControlModifier);
        endedAt = first.window.geometry();
    }
    {
        ProgramRun next;
        next.window.show();
        EXPECT_EQ(next.window.geometry(), endedAt);
        EXPECT_EQ(next.session.projectFolder,
                  folder.path().toLower().toStdString() + "/sounds/steam/");
        testkit::Child<QPushButton>(next.window, "Command2")->click();
        EXPECT_EQ(next.dialogs.openFolders, std::vector<QString>{folder.filePath("Sounds/Steam")});
        EXPECT_EQ(Paths(*OpenRecentMenu(next.window)), QStringList{project});
    }

    // A folder that has gone since is no place to start.
    ASSERT_TRUE(QDir(folder.filePath("Sounds")).removeRecursively());
    ProgramRun later;
    testkit::Child<QPushButton>(later.window, "Command2")->click();
    EXPECT_EQ(later.dialogs.openFolders, std::vector<QString>{QDir::homePath()});
}

// Left on a larger screen, or on one that has gone: it comes back whole on this one.
TEST_F(TambreloxMainTest, ARememberedPlaceOffThisScreenIsBroughtBackOntoIt) {
    QRect available;
    {
        ProgramRun first;
        first.window.show();
        available = first.window.screen()->availableGeometry();
        first.window.setGeometry(available.right() + 500, available.bottom() + 400,
                                 available.width() + 300, available.height() + 200);
    }

    ProgramRun next;
    next.window.show();
    // Wholly on it, as far as the window's smallest size allows.
    const QRect placed = next.window.geometry();
    EXPECT_TRUE(available.contains(placed.topLeft()));
    EXPECT_LE(placed.width(), std::max(available.width(), next.window.minimumWidth()));
    EXPECT_LE(placed.height(), available.height());
    EXPECT_GE(placed.height(), next.window.minimumHeight());
}

}  // namespace
}  // namespace tambrelox
