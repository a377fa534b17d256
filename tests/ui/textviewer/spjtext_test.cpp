#include "ui/textviewer/spjtext.h"

#include "window_test.h"

#include <QPlainTextEdit>

#include "pdf_text.h"

namespace tambrelox {
namespace {

using namespace testkit;

class SPJTextTest : public ::testing::Test {
  protected:
    SPJTextTest() {
        session.projectFileName = "diesel.spj";
        session.project = ProjectWith(
            "Diesel Sound Project\r\n\r\nAuthor: Ren\xe9 Rail\r\n\tIndented line\r\n"
            "A long line that runs on and on well past the right edge of the text box, "
            "so that the horizontal scroll bar has work to do.\r\n");
        window = std::make_unique<DescriptiveTextWindow>(session, dialogs);
        window->show();
        session.project = ProjectWith("Steam Sound Project\r\n  by Ren\xe9\r\n");
    }

    SessionState session;
    FakeUserDialogs dialogs;
    std::unique_ptr<DescriptiveTextWindow> window;
};

// Another project chosen, or a choice refused, while the window is open
// changes neither what it shows nor what it prints. Opened as the main window
// opens it, closing it, with its button, the window manager's close box, or
// Esc or Ctrl+W from the text box, which takes keys of its own, ends it;
// Ctrl+P prints from there.
TEST_F(SPJTextTest, ShowsAndPrintsTheTextOfTheProjectLoadedWhenItOpenedAndEveryCloseEndsIt) {
    EXPECT_EQ(window->windowTitle(), "Descriptive Text File for diesel.spj");
    EXPECT_EQ(Child<QPlainTextEdit>(*window, "Text1")->toPlainText(),
              "Diesel Sound Project\n\nAuthor: Ren\u00e9 Rail\n\tIndented line\nA long line that "
              "runs on and on well past the right edge of the text box, so that the horizontal "
              "scroll bar has work to do.\n");
    EXPECT_EQ(Child<QPushButton>(*window, "Command2")->text(), "Print");
    EXPECT_EQ(UnnamedControls(*window), std::vector<std::string>{});

    QTemporaryDir folder;
    dialogs.acceptPrinter = true;
    for (const char* pdf : {"steam chosen.pdf", "refused.pdf"}) {
        dialogs.printerOutputFile = folder.filePath(pdf);
        Child<QPushButton>(*window, "Command2")->click();
        EXPECT_TRUE(PdfText(dialogs.printerOutputFile)
                        .startsWith("Diesel Sound Project\n\nAuthor: Ren\u00e9 Rail\n"))
            << pdf;
        session.project.reset();
    }
    EXPECT_EQ(dialogs.proposedPrintFile.section('/', -1), "diesel text.pdf");

    session.project = ProjectWith("Line one\r\n");
    SecondaryWindow opened(session.textWindowOpen, [&] {
        return std::make_unique<DescriptiveTextWindow>(session, dialogs);
    });
    CloseEveryWay(opened, "Text1");
    EXPECT_EQ(dialogs.printerSetUps, 4);
    EXPECT_FALSE(session.textWindowOpen);
}

}  // namespace
}  // namespace tambrelox
