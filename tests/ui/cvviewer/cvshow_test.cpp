#include "ui/cvviewer/cvshow.h"

#include "window_test.h"

#include <cmath>

#include <QAbstractItemModelTester>
#include <QRegularExpression>

#include "core/base/captions.h"
#include "pdf_text.h"

namespace tambrelox {
namespace {

using namespace testkit;

class CVShowTest : public ::testing::Test {
  protected:
    CVShowTest() {
        session.projectFileName = "diesel.spj";
        session.projectPath = "/trains/diesel.spj";
        session.projectAuthor = "Jane Hobbyist";
        std::array<std::uint8_t, 256> cvs{};
        cvs[1] = 3;
        cvs[29] = 29;
        cvs[140] = 180;
        session.project = ProjectWith("(B)\r\nCV140\tHorn Blast (loud)\r\n(C)\r\n", cvs);
        window = std::make_unique<StartupCvWindow>(session, dialogs);
        window->show();
        // Another project chosen while the window is open changes neither what it shows nor
        // what it prints.
        session.projectAuthor = "Other Author";
        session.projectPath = "/trains/other.spj";
        session.projectFileName = "other.spj";
        session.project = ProjectWith("");
    }

    QString Cell(int row, int col) {
        const QAbstractItemModel* model = Child<QTableView>(*window, "CVGrid")->model();
        return model->data(model->index(row, col)).toString();
    }

    SessionState session;
    FakeUserDialogs dialogs;
    std::unique_ptr<StartupCvWindow> window;
};

TEST_F(CVShowTest, ShowsAndPrintsTheProjectLoadedWhenItOpenedAndEveryCloseEndsIt) {
    EXPECT_EQ(window->windowTitle(), "Start Up CVs for diesel.spj");
    const auto* grid = Child<QTableView>(*window, "CVGrid");
    ASSERT_EQ(grid->model()->rowCount(), 255);
    ASSERT_EQ(grid->model()->columnCount(), 5);
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "Hex");
    EXPECT_EQ(grid->columnWidth(1), std::lround(2400 * grid->logicalDpiX() / 1440.0));
    EXPECT_EQ(QStringList({Cell(0, 1), Cell(28, 2), Cell(28, 3), Cell(139, 1), Cell(254, 0)}),
              QStringList({"Two-Digit Address", "1D", "29 ", "Horn Blast", "CV 255"}));
    // The grid model: consistent, aligned as the format says, editing nothing.
    QAbstractItemModel* model = grid->model();
    const QAbstractItemModelTester tester(model,
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);

    // The note from the core; its words are the web page test's.
    EXPECT_EQ(Child<QLabel>(*window, "Label2")->text().toStdString(), kCustomCVNameNote);
    EXPECT_EQ(Child<QPushButton>(*window, "Command2")->text(), "Print List of non-zero value CVs");
    EXPECT_EQ(UnnamedControls(*window), std::vector<std::string>{});

    // Its non-zero CVs, under its own project's heading.
    QTemporaryDir folder;
    dialogs.printerOutputFile = folder.filePath("cvs.pdf");
    Child<QPushButton>(*window, "Command2")->click();
    EXPECT_FALSE(QFile::exists(dialogs.printerOutputFile));

    dialogs.acceptPrinter = true;
    Child<QPushButton>(*window, "Command2")->click();
    const QString text = PdfText(dialogs.printerOutputFile);
    EXPECT_EQ(dialogs.proposedPrintFile.section('/', -1), "diesel CVs.pdf");
    for (const char* line :
         {"Non-Zero Startup CV values in SPJ: /trains/diesel.spj", "Jane Hobbyist",
          "Tambrelox V1.0", R"(CV 29 +Configuration Register +1D +29 +00011101)",
          R"(CV 140 +Horn Blast +B4 +180 +10110100)"})
        EXPECT_TRUE(text.contains(QRegularExpression(line))) << line;
    EXPECT_FALSE(text.contains("other") || text.contains("CV 2 "));
    EXPECT_EQ(dialogs.printerSetUps, 2);
    EXPECT_TRUE(dialogs.critical.empty() && dialogs.information.empty());

    // Opened as the main window opens it, without a project: empty, and every
    // way of closing it ends it. Its keeper ended while the window's deletion
    // is only due, with no event loop left to run as when the program ends,
    // takes the window and its flag with it.
    session.project.reset();
    auto opened = std::make_unique<SecondaryWindow>(
        session.cvWindowOpen, [&] { return std::make_unique<StartupCvWindow>(session, dialogs); });
    opened->Open();
    EXPECT_EQ(Child<QTableView>(*opened->window(), "CVGrid")->model()->rowCount(), 0);
    CloseEveryWay(*opened, "CVGrid");
    EXPECT_EQ(dialogs.printerSetUps, 4);
    EXPECT_FALSE(session.cvWindowOpen);

    opened->Open();
    const QPointer<QWidget> last = opened->window();
    last->close();
    opened.reset();
    EXPECT_TRUE(last.isNull());
    EXPECT_FALSE(session.cvWindowOpen);
}

}  // namespace
}  // namespace tambrelox
