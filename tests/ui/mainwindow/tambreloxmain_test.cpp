// The main window, its flash budget bar included.
#include "ui/mainwindow/tambreloxmain.h"
#include "app/tambrelox/desktop_windows.h"
#include "ui/mainwindow/flash_budget_bar.h"

#include "pdf_text.h"
#include "window_test.h"

#include <cmath>
#include <tuple>

#include <QMenu>
#include <QMimeData>
#include <QPrinterInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace tambrelox {
namespace {

using namespace testkit;
using Flags = std::vector<bool>;

// Whether the about text, the grid, the "runs in" caption and decoders, and
// the captions of name, folder and author are shown.
const Flags kAbout = {true, false, false, false, false, false, false};
const Flags kProject(7, true);
const Flags kRefused = {true, false, false, false, true, true, true};
const Flags kAllEnabled(4, true);
const Flags kAllDisabled(4, false);

class TambreloxMainTest : public ::testing::Test {
  protected:
    const bool firstRun_ = (QSettings().clear(), true);  // nothing remembered yet
    QTemporaryDir folder;
    FakeUserDialogs dialogs;
    SessionState session;
    MainWindow window{session, dialogs, DesktopWindows(session, dialogs)};

    // Writes `bytes` below the temporary folder and returns the file's path.
    QString Write(const QString& relativePath,
                  const std::vector<std::uint8_t>& bytes = fixture::MinimalProject().Build()) {
        const QString path = folder.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(WriteWholeFile(path.toStdString(), bytes).ok());
        return path;
    }

    void Choose(const QString& path) {
        dialogs.chosenFiles.push_back(path);
        Button("Command2")->click();
    }

    QPushButton* Button(const char* name) { return Child<QPushButton>(window, name); }
    QString Text(const char* name) { return Child<QLabel>(window, name)->text(); }
    QTableView* Grid() { return Child<QTableView>(window, "WavefileGrid"); }

    Flags Parts() {
        Flags shown;
        for (const char* name :
             {"Label3", "WavefileGrid", "Label1", "Label2", "Label16", "Label10", "Label14"})
            shown.push_back(Child(window, name)->isVisibleTo(&window));
        return shown;
    }

    // The enabled state of "Print this display" and the three window buttons.
    Flags ProjectButtons() {
        return {Button("Command1")->isEnabled(), Button("Command5")->isEnabled(),
                Button("Command7")->isEnabled(), Button("Command8")->isEnabled()};
    }

    QStringList Row(int row) {
        QStringList cells;
        for (int col = 0; col < Grid()->model()->columnCount(); ++col)
            cells << Grid()->model()->index(row, col).data().toString();
        return cells;
    }
};

// The about text first, with only Get and Quit enabled, in their colours.
// Then the grid shows the core's summary in the session's number format, and
// keeps its widths, the right-hand column included, whatever decoders a
// project needs. A corrupt file then hides the grid but shows the author reached.
TEST_F(TambreloxMainTest, StartsWithTheAboutTextShowsAGoodFileAndOfACorruptOneTheAuthor) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    SaveScreenshot(window, "mainwindow-start.png");
    EXPECT_EQ(window.windowTitle(), "Tambrelox Utility");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(Text("Label11"), "Tambrelox V1.0");
    EXPECT_TRUE(Text("Label3").startsWith("\nThis software was developed to reveal"));
    EXPECT_TRUE(Text("Label3").contains("needed. (See Vostrelle\u00A9 to build"));
    EXPECT_EQ(Child<QLabel>(window, "Image1")->pixmap().deviceIndependentSize(), QSizeF(205, 205));
    EXPECT_EQ(Parts(), kAbout);
    EXPECT_EQ(ProjectButtons(), kAllDisabled);
    EXPECT_TRUE(Button("Command2")->isEnabled() && Button("Command3")->isEnabled());
    ExpectSolidFace(*Button("Command2"), QColor(0, 192, 0), Qt::black);
    ExpectSolidFace(*Button("Command3"), QColor(255, 0, 0), Qt::black);
    EXPECT_EQ(UnnamedControls(window), std::vector<std::string>{});
    EXPECT_TRUE(Text("lblSPJName").isEmpty());

    Choose({});
    EXPECT_EQ(dialogs.openFolders.front(), QDir::homePath());
    EXPECT_EQ(dialogs.openFilters.front(), "Sound Project Files (*.spj)");

    Choose(Write("minimal.spj"));

    EXPECT_TRUE(dialogs.critical.empty());
    EXPECT_EQ(Text("lblSPJName"), "MINIMAL.SPJ");
    EXPECT_EQ(Text("lblSPJFolder"), folder.path().toLower() + "/");
    EXPECT_EQ(Text("lblAuthor"), "Test Maker");
    EXPECT_EQ(Text("Label2"), "any SFX Decoder");
    EXPECT_EQ(Parts(), kProject);
    EXPECT_EQ(ProjectButtons(), kAllEnabled);
    EXPECT_EQ(UnnamedControls(window), std::vector<std::string>{});
    // Two clips, then the totals and counts; the core's tests cover every cell.
    EXPECT_EQ(Grid()->model()->rowCount(), 2 + 8);
    EXPECT_EQ(Row(1), (QStringList{" 2", " tone8.wav", "8", "8", "2,800", ".25", "2,816"}));
    EXPECT_EQ(Row(5), (QStringList{"", " TOTAL WHOLE PROJECT", "  ", "  ", "  ", " ", "5,888"}));
    EXPECT_EQ(session.projectPath, folder.path().toLower().toStdString() + "/minimal.spj");
    EXPECT_EQ(session.projectAuthor, "Test Maker");

    QCoreApplication::sendPostedEvents();
    const int width = Grid()->width();
    const auto fourVoices = fixture::ProgramCode().Voice(1).Voice(2).Voice(3).Voice(4).End();
    session.numberFormat = {".", ","};
    Choose(Write("premium.spj", fixture::MinimalProject().Code(fourVoices).Build()));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(Text("Label2"), "Series-6 Premium Decoders Only");
    EXPECT_EQ(Grid()->width(), width);
    EXPECT_EQ(Row(0).mid(4, 2), (QStringList{"5.556", ",25"}));
    const auto pixels = [&](int twips) {
        return static_cast<int>(std::lround(twips * Grid()->logicalDpiX() / 1440.0));
    };
    // That every heading fits is the layout test's, at several fonts.
    EXPECT_EQ(Grid()->columnWidth(1), pixels(3300));
    EXPECT_GE(Grid()->columnWidth(6), pixels(900));

    // The header names the author in Windows-1252, NULs filling its field;
    // the first entry field's fourth byte marks the file corrupt.
    auto bytes = fixture::MinimalProject().HeaderText("Sounds by AUTHOR: Jos\xE9 R.").Build();
    bytes[fixture::SpjBuilder::RecordOffset(0) + 3] = 1;
    Choose(Write("Broken.spj", bytes));

    ASSERT_EQ(dialogs.critical.size(), 1U);
    EXPECT_EQ(dialogs.critical[0].toStdString(), CorruptionMessage("broken.spj"));
    EXPECT_EQ(Parts(), kRefused);
    EXPECT_EQ(ProjectButtons(), kAllDisabled);
    EXPECT_EQ(Text("lblAuthor"), "Jos\u00E9 R.");
    EXPECT_EQ(Text("lblSPJName"), "BROKEN.SPJ");
    EXPECT_EQ(session.project, nullptr);

    // Refused before the header was read: no author to show.
    Choose(Write("tiny.spj", {1, 2, 3}));
    ASSERT_EQ(dialogs.critical.size(), 2U);
    EXPECT_TRUE(dialogs.critical[1].startsWith("Problem reading tiny.spj: "));
    EXPECT_TRUE(Text("lblAuthor").isEmpty());
    EXPECT_EQ(ProjectButtons(), kAllDisabled);
}

// Paths are split and shown in lower case but opened as they are; a cancel
// keeps the project and forgets the folder.
TEST_F(TambreloxMainTest, PathsAreShownInLowerCaseAndCancellingKeepsTheProject) {
    Choose(Write("Sounds/Steam/MyLoco.SPJ"));
    EXPECT_TRUE(dialogs.critical.empty());
    const QString folderShown = folder.path().toLower() + "/sounds/steam/";
    EXPECT_EQ(Text("lblSPJName"), "MYLOCO.SPJ");
    EXPECT_EQ(Text("lblSPJFolder"), folderShown);
    const auto shown = session.project;

    Choose({});  // starts where the file really is
    EXPECT_EQ(dialogs.openFolders.back(), folder.filePath("Sounds/Steam"));
    EXPECT_EQ(dialogs.information,
              std::vector<QString>{"No Sound Project File (.spj) was selected!"});
    EXPECT_EQ(session.project, shown);
    EXPECT_EQ(Parts(), kProject);
    EXPECT_EQ(ProjectButtons(), kAllEnabled);
    EXPECT_EQ(Text("lblSPJName"), "MYLOCO.SPJ");
    Choose({});
    EXPECT_TRUE(dialogs.openFolders.back().isEmpty());

    // A file argument without a folder names a file in the current folder.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.filePath("Sounds/Steam")));
    window.OpenProject("MyLoco.SPJ");
    QDir::setCurrent(before);
    EXPECT_EQ(Text("lblSPJFolder"), folderShown);
    EXPECT_NE(session.project, shown);
}

TEST_F(TambreloxMainTest, ADroppedProjectIsOpenedAndOtherFilesAreNot) {
    const QString project = Write("Dropped.SPJ");
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
    EXPECT_TRUE(drop({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(project)}));
    EXPECT_EQ(Text("lblSPJName"), "DROPPED.SPJ");
}

// Each window button opens one modeless window, flagged in the session while
// it is open; a second click only brings it up, and once closed it is built
// afresh for the project shown then.
TEST_F(TambreloxMainTest, ANewProjectReplacesTheShownOneButNotThatOfOpenCVAndTextWindows) {
    Choose(Write("diesel.spj"));
    for (const char* opener : {"Command5", "Command7", "Command8"}) Button(opener)->click();
    TopWindows("CVShow").front()->hide();
    for (const char* opener : {"Command5", "Command8"}) Button(opener)->click();
    for (const char* name : {"CVShow", "SPJText", "SoundTest"}) {
        ASSERT_EQ(TopWindows(name).size(), 1U) << name;
        EXPECT_TRUE(TopWindows(name).front()->isVisible()) << name;
        EXPECT_FALSE(TopWindows(name).front()->isModal()) << name;
    }
    EXPECT_TRUE(session.cvWindowOpen && session.textWindowOpen && session.playerWindowOpen);

    Choose(Write("Demo.spj", fixture::BuildDemoProject()));  // replaces the project shown
    EXPECT_EQ(Text("lblSPJName"), "DEMO.SPJ");
    EXPECT_EQ(Text("lblAuthor"), "Jane Hobbyist");
    EXPECT_EQ(Grid()->model()->rowCount(), 5 + 8);
    EXPECT_EQ(TopWindows("CVShow").front()->windowTitle(), "Start Up CVs for diesel.spj");
    EXPECT_EQ(TopWindows("SPJText").front()->windowTitle(), "Descriptive Text File for diesel.spj");
    for (const char* name : {"CVShow", "SPJText", "SoundTest"}) TopWindows(name).front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Each flag stays up until its window is gone.
    EXPECT_FALSE(session.cvWindowOpen || session.textWindowOpen || session.playerWindowOpen);

    for (const char* opener : {"Command5", "Command7"}) Button(opener)->click();
    EXPECT_EQ(TopWindows("CVShow").front()->windowTitle(), "Start Up CVs for demo.spj");
    EXPECT_EQ(TopWindows("SPJText").front()->windowTitle(), "Descriptive Text File for demo.spj");
    EXPECT_TRUE(dialogs.information.empty());
}

// Only the CV window reads the startup CV block: a block cut short keeps the
// rest of the project usable and refuses that window alone. Every message box
// comes up over this window, that for a file named on the command line
// included: it is refused only once the window is shown.
TEST_F(TambreloxMainTest, ACVBlockCutShortRefusesOnlyTheCVWindowAndEveryMessageIsOverThisOne) {
    window.OpenProjectSoon(Write("early.spj", {1, 2, 3}));
    window.show();
    EXPECT_TRUE(dialogs.critical.empty());
    QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall);
    ASSERT_EQ(dialogs.critical.size(), 1U);
    Choose({});
    Choose(Write("Cut.spj", fixture::CVsCutShortProject().Build()));
    EXPECT_EQ(dialogs.critical.size(), 1U);
    EXPECT_EQ(Grid()->model()->rowCount(), 2 + 8);
    EXPECT_EQ(ProjectButtons(), kAllEnabled);

    for (const char* opener : {"Command5", "Command7", "Command8"}) Button(opener)->click();
    EXPECT_EQ(dialogs.critical.back(),
              "Problem reading cut.spj: the startup CV values of directory "
              "record 6 reach past the end of the file. Cannot continue.");
    EXPECT_TRUE(TopWindows("CVShow").empty());
    EXPECT_FALSE(session.cvWindowOpen);
    EXPECT_EQ(TopWindows("SPJText").size() + TopWindows("SoundTest").size(), 2U);
    ASSERT_EQ(dialogs.messageOwners.size(), 3U);  // every message
    for (const MessageOwner& owner : dialogs.messageOwners) {
        EXPECT_EQ(owner.window, &window);
        EXPECT_TRUE(owner.windowShown);
    }
}

// Ctrl+O, Ctrl+P (only with a project: only a confirmed dialog prints, the
// session's project, and nothing is ever said) and Ctrl+Q; arrows move between cells
// and Tab and Shift+Tab leave both grids. With the CV window active its keys
// are its own: nothing reaches this one.
TEST_F(TambreloxMainTest, ShortcutsWorkTabLeavesBothGridsAndTheCVWindowKeepsItsKeys) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printerSetUps, 0);
    dialogs.chosenFiles.push_back(Write("minimal.spj"));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_NE(session.project, nullptr);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printerSetUps, 1);
    EXPECT_TRUE(dialogs.information.empty());  // a cancelled print ends silently
    EXPECT_EQ(dialogs.printedDocument, "minimal summary");
    // Without a printer, a PDF named for what it prints, in the documents folder or home.
    const QFileInfo proposed(dialogs.proposedPrintFile);
    const QStringList folders{QDir::homePath(),
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    EXPECT_TRUE(!QPrinterInfo::availablePrinterNames().isEmpty() ||
                (proposed.fileName() == "minimal summary.pdf" && folders.contains(proposed.path())))
        << dialogs.proposedPrintFile.toStdString();
    EXPECT_FALSE(QFile::exists(dialogs.proposedPrintFile));
    dialogs.acceptPrinter = true;  // a printer that fails ends the printout silently too
    for (const char* pdf : {"no-such-folder/summary.pdf", "summary.pdf"}) {
        dialogs.printerOutputFile = folder.filePath(pdf);
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("no-such-folder/summary.pdf")));
    const QString printed = PdfText(dialogs.printerOutputFile);
    EXPECT_TRUE(printed.contains("Components in SPJ: " + folder.path().toLower() + "/minimal.spj"));
    EXPECT_TRUE(printed.contains("Owner/Author: Test Maker"));
    EXPECT_TRUE(dialogs.critical.empty() && dialogs.information.empty());
    dialogs.acceptPrinter = false;

    Button("Command5")->click();
    for (QWidget* top : {static_cast<QWidget*>(&window), TopWindows("CVShow").front()}) {
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
    QWidget* cvs = TopWindows("CVShow").front();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cvs));
    QTest::keyClick(cvs, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.printerSetUps, 4);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

// The menu the "Get SPJ File" button pops up for its context menu key.
QMenu* OpenRecentMenu(QWidget& window) {
    auto* button = Child<QPushButton>(window, "Command2");
    const QPoint at = button->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, button->mapToGlobal(at));
    QCoreApplication::sendEvent(button, &request);
    const QList<QMenu*> menus = window.findChildren<QMenu*>("recentProjects");
    QMenu* menu = menus.isEmpty() ? nullptr : menus.back();
    EXPECT_TRUE(menu != nullptr && menu->isVisible()) << "no Open Recent menu shown";
    return menu;
}

// The entries' texts, or with `&QAction::toolTip` the whole paths they stand for.
QStringList Entries(const QMenu* menu, QString (QAction::*part)() const = &QAction::text) {
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << (action->*part)();
    return entries;
}

TEST_F(TambreloxMainTest, OpenRecentListsTheProjectsOpenedLastAndOpensOneAsTheDialogWould) {
    window.show();
    QMenu* menu = OpenRecentMenu(window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu), QStringList{"No recent projects"});
    EXPECT_FALSE(menu->actions().front()->isEnabled());
    menu->close();

    const QString demo = Write("Sounds/Demo.spj", fixture::BuildDemoProject());
    Choose(Write("Diesel & Co.spj"));
    Choose(demo);
    Choose(Write("tiny.spj", {1, 2, 3}));  // refused: not a project to offer again
    Choose(folder.filePath("Sounds/../Diesel & Co.spj"));

    menu = OpenRecentMenu(window);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu), QStringList({"&1  Diesel && Co.spj  (" + folder.path() + ")",
                                          "&2  Demo.spj  (" + folder.filePath("Sounds") + ")"}));
    SaveScreenshot(*menu, "mainwindow-open-recent.png");
    const std::size_t dialogsBefore = dialogs.openFolders.size();
    menu->actions().at(1)->trigger();
    menu->close();

    EXPECT_EQ(dialogs.openFolders.size(), dialogsBefore);
    EXPECT_EQ(Text("lblSPJName"), "DEMO.SPJ");
    EXPECT_EQ(Text("lblSPJFolder"), folder.path().toLower() + "/sounds/");
    EXPECT_EQ(Grid()->model()->rowCount(), 5 + 8);
    Choose({});
    EXPECT_EQ(dialogs.openFolders.back(), folder.filePath("Sounds"));
    EXPECT_EQ(Entries(OpenRecentMenu(window)).front(),
              "&1  Demo.spj  (" + folder.filePath("Sounds") + ")");

    // A long folder is cut in the middle: the name stays first and the menu narrow.
    QString deep = "Sounds";
    while (deep.size() < 200) deep += "/locomotive sound library";
    const QString far = Write(deep + "/Far.spj");
    Choose(far);
    menu = OpenRecentMenu(window);
    const QString entry = Entries(menu).front();
    EXPECT_TRUE(entry.startsWith("&1  Far.spj  (") && entry.contains(QChar(0x2026)))
        << entry.toStdString();
    EXPECT_LT(menu->sizeHint().width(), window.screen()->availableGeometry().width() / 2);

    // A project that is gone is dropped, saying so; the project shown stays.
    ASSERT_TRUE(QFile::remove(demo));
    menu->actions().at(1)->trigger();
    menu->close();
    EXPECT_EQ(dialogs.information.back(), "The project " + demo +
                                              " no longer exists. It has been taken off the "
                                              "recent projects.");
    EXPECT_EQ(dialogs.messageOwners.back().window, &window);
    EXPECT_EQ(Text("lblSPJName"), "FAR.SPJ");
    EXPECT_EQ(Entries(OpenRecentMenu(window), &QAction::toolTip),
              QStringList({far, folder.filePath("Diesel & Co.spj")}));
}

// The flash budget under the grid: shown with a project, hidden without; the
// bar is drawn in its level's colour and its figures never move Quit.
TEST_F(TambreloxMainTest, TheFlashBudgetShowsWithAProjectInItsColourAndHidesWithout) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* bar = Child<FlashBudgetBar>(window, "FlashBudgetBar");
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(bar->accessibleName().isEmpty());
    const QRect quit = Button("Command3")->geometry();
    Choose(Write("demo.spj", fixture::BuildDemoProject()));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(Child<QLabel>(*bar, "lblFlashBudget")->text(), "114,432 of 524,888 bytes (22%)");
    EXPECT_EQ(bar->accessibleDescription(), "114,432 of 524,888 bytes (22%)");
    const std::tuple<const char*, FlashLevel, QColor> levels[] = {
        {"green", FlashLevel::Comfortable, FlashBudgetBar::kComfortable},
        {"amber", FlashLevel::NearlyFull, FlashBudgetBar::kNearlyFull},
        {"red", FlashLevel::OverLimit, FlashBudgetBar::kOverLimit}};
    for (const auto& [name, level, colour] : levels) {
        SCOPED_TRACE(name);
        if (level != FlashLevel::Comfortable)
            bar->ShowBudget({level, 1.0, "530,432 of 524,888 bytes (102%)"}, {});
        QCoreApplication::sendPostedEvents();
        const QRect area = bar->BarArea();
        EXPECT_EQ(bar->grab().toImage().pixelColor(area.left() + 2, area.center().y()), colour);
        EXPECT_EQ(Button("Command3")->geometry(), quit);
        SaveScreenshot(window, ("mainwindow-flash-" + std::string(name) + ".png").c_str());
    }
    Choose(Write("broken.spj", std::vector<std::uint8_t>(10, 0)));
    EXPECT_EQ(dialogs.critical.size(), 1U);
    EXPECT_FALSE(bar->isVisible());
}

// One run of the program, ended with the scope it is declared in.
struct ProgramRun {
    SessionState session;
    FakeUserDialogs dialogs;
    MainWindow window{session, dialogs, DesktopWindows(session, dialogs)};
};

TEST_F(TambreloxMainTest, TheNextRunOpensWhereThisOneLeftOffOnThisScreen) {
    const QString project = Write("Sounds/Steam/loco.spj");
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
        Child<QPushButton>(first.window, "Command2")->click();
        QTest::keyClick(&first.window, Qt::Key_Q, Qt::ControlModifier);
        endedAt = first.window.geometry();
    }
    QRect available;
    {
        ProgramRun next;
        next.window.show();
        EXPECT_EQ(next.window.geometry(), endedAt);
        Child<QPushButton>(next.window, "Command2")->click();
        EXPECT_EQ(next.dialogs.openFolders, std::vector<QString>{folder.filePath("Sounds/Steam")});
        EXPECT_EQ(Entries(OpenRecentMenu(next.window), &QAction::toolTip), QStringList{project});
        available = next.window.screen()->availableGeometry();
        next.window.setGeometry(available.right() + 500, available.bottom() + 400,
                                available.width() + 300, available.height() + 200);
    }

    // Left on a larger screen, or on one that has gone, the window comes back
    // whole on this one, as far as its smallest size allows. A folder that has
    // gone since is no place to start.
    ASSERT_TRUE(QDir(folder.filePath("Sounds")).removeRecursively());
    ProgramRun last;
    last.window.show();
    const QRect placed = last.window.geometry();
    EXPECT_TRUE(available.contains(placed.topLeft()));
    EXPECT_LE(placed.width(), std::max(available.width(), last.window.minimumWidth()));
    EXPECT_LE(placed.height(), available.height());
    EXPECT_GE(placed.height(), last.window.minimumHeight());
    Child<QPushButton>(last.window, "Command2")->click();
    EXPECT_EQ(last.dialogs.openFolders, std::vector<QString>{QDir::homePath()});
}

}  // namespace
}  // namespace tambrelox
