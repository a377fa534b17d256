#include <gtest/gtest.h>

#include <sstream>

#include "core/project/spj_reader.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"
#include "demo_project.h"
#include "pdf_text.h"
#include "test_files.h"
#include "ui/shared/printout.h"

namespace tambrelox {
namespace {

using testkit::RunTool;

constexpr std::string_view kPrintedAt = "01/02/24   13:04:05";

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
    ExpectPdfMatchesText(
        SummaryGrid(ReadProject(fixture::BuildDemoProject(), "demo.spj").value(), {}),
        "summary-demo.pdf");
    ExpectPdfMatchesText(testkit::SummaryGridWithRows(130), "summary-long.pdf");
}

}  // namespace
}  // namespace tambrelox
