#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <sstream>

#include "core/project/spj_reader.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"
#include "demo_project.h"
#include "fake_user_dialogs.h"
#include "pdf_text.h"
#include "test_files.h"
#include "ui/mainwindow/summary_printing.h"
#include "ui/shared/printout.h"

namespace tambrelox {
namespace {

using testkit::PdfText;
using testkit::RunTool;

constexpr std::string_view kPrintedAt = "01/02/24   13:04:05";

GridModel DemoGrid() {
    const auto project = ReadProject(fixture::BuildDemoProject(), "demo.spj");
    EXPECT_TRUE(project.ok());
    return SummaryGrid(project.value(), {});
}

Printout SummaryOf(const GridModel& grid) {
    return [&grid](ColumnPrinter& printer) {
        PrintSummaryReport(printer, grid, {"/trains/demo.spj", "Jane Hobbyist", kPrintedAt},
                           NumberFormat{});
    };
}

// Prints `grid` to a PDF in fixed-pitch 10-point type, a quarter inch from the
// left edge: read back at 6 points a character, every line, page break and
// column is as the text printer puts it, three columns in.
void ExpectPdfMatchesText(const GridModel& grid, const QString& pdf) {
    ASSERT_TRUE(PrintToPdf(pdf, "demo.spj", SummaryOf(grid)).ok());
    TextPages text;
    ColumnPrinter printer(text);
    SummaryOf(grid)(printer);
    std::ostringstream expected;
    WritePlainText(expected, text.pages());
    // pdftotext leaves out each page's blank first line and ends every page with a form feed.
    std::string read = "\n";
    for (QString line : RunTool("pdftotext", {"-fixed", "6", pdf, "-"}).split('\n')) {
        while (line.endsWith(' ')) line.chop(1);
        read += (line.startsWith('\f') ? "\f\n\n" + line.mid(4) : line.mid(3)).toStdString() + "\n";
    }
    EXPECT_EQ(read, expected.str() + "\f\n\n\n");
    EXPECT_NE(RunTool("pdffonts", {pdf}).indexOf("LiberationMono"), -1);
}

// The demo on one page, and a summary long enough to break across pages.
TEST(SummaryPdf, WordsAndPageBreaksStandWhereTheTextPrinterPutsThem) {
    ExpectPdfMatchesText(DemoGrid(), "summary-demo.pdf");
    ExpectPdfMatchesText(testkit::SummaryGridWithRows(130), "summary-long.pdf");
}

// The proposed PDF goes into the documents folder or home: a scratch one here.
TEST(Printing, OnlyAConfirmedDialogPrintsAndNothingIsEverSaid) {
    const QTemporaryDir home;
    const QByteArray saved[] = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME")};
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    SessionState state;
    state.projectFileName = "demo.spj";
    state.projectPath = "/trains/demo.spj";
    state.projectAuthor = "Jane Hobbyist";
    const GridModel grid = DemoGrid();
    testkit::FakeUserDialogs dialogs;
    PrintSummaryWithDialog(nullptr, grid, state, dialogs);
    EXPECT_EQ(dialogs.printedDocument, "demo summary");
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(dialogs.proposedPrintFile, home.filePath("demo summary.pdf"));
        EXPECT_FALSE(QFile::exists(dialogs.proposedPrintFile));
    }

    dialogs.acceptPrinter = true;  // a printer that fails ends the printout silently
    dialogs.printerOutputFile = home.filePath("no-such-folder/demo.pdf");
    PrintSummaryWithDialog(nullptr, grid, state, dialogs);
    EXPECT_FALSE(QFile::exists(dialogs.printerOutputFile));

    dialogs.printerOutputFile = home.filePath("chosen.pdf");
    PrintSummaryWithDialog(nullptr, grid, state, dialogs);
    qputenv("HOME", saved[0]);
    qputenv("XDG_CONFIG_HOME", saved[1]);
    const QString text = PdfText(dialogs.printerOutputFile);
    EXPECT_TRUE(text.contains("Components in SPJ: /trains/demo.spj"));
    EXPECT_TRUE(text.contains("Owner/Author: Jane Hobbyist"));
    EXPECT_TRUE(dialogs.critical.empty() && dialogs.information.empty());
}

}  // namespace
}  // namespace tambrelox
