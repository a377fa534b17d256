#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <tuple>

#include "app/tambrelox/headless_print.h"
#include "core/base/file_bytes.h"
#include "core/base/text.h"
#include "core/project/spj_reader.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"
#include "demo_project.h"
#include "fake_user_dialogs.h"
#include "outcome_text.h"
#include "pdf_text.h"
#include "test_files.h"
#include "ui/mainwindow/summary_printing.h"
#include "ui/shared/printout.h"

namespace tambrelox {
namespace {

using testkit::OutcomeText;
using testkit::PdfText;
using testkit::RunTool;

constexpr std::string_view kPrintedAt = "01/02/24   13:04:05";

struct Word {
    int page;
    int line;
    int column;
    std::string text;
    auto operator<=>(const Word&) const = default;
};

void PrintTo(const Word& word, std::ostream* out) {
    *out << "page " << word.page << " line " << word.line << " column " << word.column << " \""
         << word.text << '"';
}

// A word as pdftotext places it, in points from the page's top left corner.
struct PlacedWord {
    int page;
    double xMin, yMin, xMax;
    std::string text;
};

GridModel DemoGrid() {
    const auto project = ReadProject(fixture::BuildDemoProject(), "demo.spj");
    EXPECT_TRUE(project.ok());
    return testkit::SummaryGridOf(project.value());
}

Printout SummaryOf(const GridModel& grid) {
    return [&grid](ColumnPrinter& printer) {
        PrintSummaryReport(printer, grid, {"/trains/demo.spj", "Jane Hobbyist", kPrintedAt},
                           NumberFormat{});
    };
}

std::vector<Word> WordsOf(const std::vector<TextPages::Page>& pages) {
    std::vector<Word> words;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (std::size_t line = 0; line < pages[page].size(); ++line) {
            const std::string& text = pages[page][line];
            for (std::size_t at = text.find_first_not_of(' '); at != std::string::npos;
                 at = text.find_first_not_of(' ', at)) {
                const std::size_t end = std::min(text.find(' ', at), text.size());
                words.push_back(
                    {static_cast<int>(page), static_cast<int>(line),
                     static_cast<int>(Utf8Length(std::string_view(text).substr(0, at))) + 1,
                     text.substr(at, end - at)});
                at = end;
            }
        }
    }
    return words;
}

std::string Unescaped(QString text) {
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
    return text.replace("&amp;", "&").toStdString();
}

std::vector<PlacedWord> PdfWords(const QString& pdf) {
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    std::vector<PlacedWord> words;
    int page = -1;
    for (const auto& match : tag.globalMatch(RunTool("pdftotext", {"-bbox", pdf, "-"}))) {
        if (match.captured(0) == "<page ") {
            ++page;
            continue;
        }
        words.push_back({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                         match.captured(3).toDouble(), Unescaped(match.captured(4))});
    }
    return words;
}

const PlacedWord& Find(const std::vector<PlacedWord>& words, std::string_view text) {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const PlacedWord& w) { return w.text == text; });
    EXPECT_NE(found, words.end()) << text;
    return *found;
}

// Prints `grid` to a PDF and checks that every word stands on the page, line
// and column the text printer puts it on, in fixed-pitch 10-point type.
void ExpectPdfMatchesText(const GridModel& grid, const QString& pdf) {
    ASSERT_TRUE(PrintToPdf(pdf, "demo.spj", SummaryOf(grid)).ok());
    TextPages text;
    ColumnPrinter printer(text);
    SummaryOf(grid)(printer);
    const std::vector<Word> expected = WordsOf(text.pages());

    const std::vector<PlacedWord> placed = PdfWords(pdf);
    // The page header fixes the grid: the separator on line 3 and the heading
    // on line 4 both start in column 11; the heading ends in column 88.
    const PlacedWord& separator = Find(placed, std::string(78, '='));
    const PlacedWord& handle = Find(placed, "Handle");
    const PlacedWord& flashSize = Find(placed, "FlashSize");
    const double column = (flashSize.xMax - handle.xMin) / 78;
    const double line = (handle.yMin - separator.yMin);
    const double left = handle.xMin - 10 * column;
    const double top = separator.yMin - 3 * line;
    EXPECT_NEAR(column, 6.0, 0.05);  // 10-point fixed pitch: 0.6 em a character
    EXPECT_GT(line, 10.5);
    EXPECT_LT(line, 11.5);
    EXPECT_NEAR(left, 18.0, 0.5);  // a quarter inch

    std::vector<Word> actual;
    for (const PlacedWord& word : placed) {
        const double columnAt = (word.xMin - left) / column + 1;
        const double lineAt = (word.yMin - top) / line;
        EXPECT_NEAR(columnAt, std::round(columnAt), 0.15) << word.text;
        EXPECT_NEAR(lineAt, std::round(lineAt), 0.15) << word.text;
        EXPECT_NEAR(word.xMax - word.xMin, Utf8Length(word.text) * column, 0.3) << word.text;
        actual.push_back({word.page, static_cast<int>(std::lround(lineAt)),
                          static_cast<int>(std::lround(columnAt)), word.text});
    }
    std::vector<Word> sortedExpected = expected;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, sortedExpected);
    EXPECT_NE(RunTool("pdffonts", {pdf}).indexOf("LiberationMono"), -1);
}

// The demo on one page, and a summary long enough to break across pages.
TEST(SummaryPdf, WordsAndPageBreaksStandWhereTheTextPrinterPutsThem) {
    ExpectPdfMatchesText(DemoGrid(), "summary-demo.pdf");
    ExpectPdfMatchesText(testkit::SummaryGridWithRows(130), "summary-long.pdf");
}

class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        // The proposed PDF goes into the documents folder or home: keep it in a scratch one.
        savedHome_ = qgetenv("HOME");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        state_.projectFileName = "demo.spj";
        state_.projectPath = "/trains/demo.spj";
        state_.projectAuthor = "Jane Hobbyist";
    }

    void TearDown() override {
        qputenv("HOME", savedHome_);
        qputenv("XDG_CONFIG_HOME", savedConfig_);
    }

    QTemporaryDir home_;
    QByteArray savedHome_;
    QByteArray savedConfig_;
    SessionState state_;
    GridModel grid_ = DemoGrid();
};

TEST_F(Printing, OnlyAConfirmedDialogPrintsAndNothingIsEverSaid) {
    testkit::FakeUserDialogs dialogs;
    PrintSummaryWithDialog(nullptr, grid_, state_, dialogs);
    EXPECT_EQ(dialogs.printedDocument, "demo summary");
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(dialogs.proposedPrintFile, home_.filePath("demo summary.pdf"));
        EXPECT_FALSE(QFile::exists(dialogs.proposedPrintFile));
    }

    dialogs.acceptPrinter = true;  // a printer that fails ends the printout silently
    dialogs.printerOutputFile = home_.filePath("no-such-folder/demo.pdf");
    PrintSummaryWithDialog(nullptr, grid_, state_, dialogs);
    EXPECT_FALSE(QFile::exists(dialogs.printerOutputFile));

    dialogs.printerOutputFile = home_.filePath("chosen.pdf");
    PrintSummaryWithDialog(nullptr, grid_, state_, dialogs);
    const QString text = PdfText(dialogs.printerOutputFile);
    EXPECT_TRUE(text.contains("Components in SPJ: /trains/demo.spj"));
    EXPECT_TRUE(text.contains("Owner/Author: Jane Hobbyist"));
    EXPECT_TRUE(dialogs.critical.empty() && dialogs.information.empty());
}

TEST_F(Printing, HeadlessPrintReadsTheFileAndWritesThePdf) {
    const std::string spj = home_.filePath("Demo.SPJ").toStdString();
    ASSERT_TRUE(WriteWholeFile(spj, fixture::BuildDemoProject()).ok());
    const QString pdf = home_.filePath("out.pdf");
    EXPECT_EQ(
        OutcomeText(PrintFileToPdf(HeadlessReport::Summary, spj, pdf.toStdString(), {}, std::cout)),
        "done");
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Components in SPJ: " + home_.path().toLower() + "/demo.spj"));
    EXPECT_TRUE(text.contains("TOTAL WHOLE PROJECT"));

    ASSERT_EQ(
        OutcomeText(PrintFileToPdf(HeadlessReport::CVs, spj, pdf.toStdString(), {}, std::cout)),
        "done");
    EXPECT_TRUE(PdfText(pdf).contains("Master Volumne"));
    ASSERT_EQ(
        OutcomeText(PrintFileToPdf(HeadlessReport::Text, spj, pdf.toStdString(), {}, std::cout)),
        "done");
    EXPECT_TRUE(PdfText(pdf).contains("Author: Jane Hobbyist"));

    // A file that is no project and a PDF that cannot be written: the command line test's.
    EXPECT_EQ(OutcomeText(PrintFileToPdf(HeadlessReport::Summary, spj, spj, {}, std::cout)),
              "Will not print over the project itself");
}

}  // namespace
}  // namespace tambrelox
