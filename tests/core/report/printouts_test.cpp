// The three printouts (summary, startup CVs, descriptive text) as the text
// printer takes them, and the report frame they share.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/base/text.h"
#include "core/grid/summary_grid.h"
#include "core/project/spj_reader.h"
#include "core/project/text_lines.h"
#include "core/report/cv_printout.h"
#include "core/report/report_frame.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"
#include "test_files.h"

namespace tambrelox {
namespace {

constexpr std::string_view kPrintedAt = "01/02/24   13:04:05";

using namespace std::string_literals;
using testkit::SummaryGridWithRows;
using Lines = std::vector<std::string>;

std::vector<TextPages::Page> PrintedSummary(const GridModel& grid,
                                            std::string_view path = "/p/demo.spj",
                                            std::string_view author = "Jane",
                                            const NumberFormat& format = {}) {
    TextPages pages;
    ColumnPrinter printer(pages);
    PrintSummaryReport(printer, grid, {path, author, kPrintedAt}, format);
    EXPECT_TRUE(pages.ended());
    return pages.pages();
}

// The print column at which `text` starts in `line`, 0 when it is not there.
std::size_t ColumnOf(std::string_view line, std::string_view text) {
    const auto at = line.find(text);
    return at == std::string_view::npos ? 0 : Utf8Length(line.substr(0, at)) + 1;
}

// Lines on each page.
std::vector<std::size_t> LineCounts(const std::vector<TextPages::Page>& pages) {
    std::vector<std::size_t> counts;
    for (const auto& page : pages) counts.push_back(page.size());
    return counts;
}

struct PageRule {
    int rows;
    std::vector<std::size_t> linesPerPage;
};

class SummaryPageRules : public ::testing::TestWithParam<PageRule> {};

// 64 rows fill a page; the three closing lines need a new page after 60 rows on one.
TEST_P(SummaryPageRules, EveryPageHasAHeaderAndTheClosingBlockFits) {
    const auto pages = PrintedSummary(SummaryGridWithRows(GetParam().rows));
    for (const auto& page : pages) {
        ASSERT_GE(page.size(), 6U);
        EXPECT_EQ(page[0], "");
        EXPECT_EQ(page[1], std::string(34, ' ') + "Components in SPJ: /p/demo.spj");
        EXPECT_EQ(page[3], std::string(10, ' ') + std::string(78, '='));
        EXPECT_EQ(page[4], kSummaryHeading);
        EXPECT_EQ(page[5], kSummaryDashes);
    }
    EXPECT_EQ(LineCounts(pages), GetParam().linesPerPage);
    const auto& last = pages.back();
    EXPECT_EQ(last[last.size() - 3], "");
    EXPECT_EQ(last[last.size() - 2], "          Printed: 01/02/24   13:04:05");
    EXPECT_EQ(last.back(), "          Tambrelox V1.0");
}

// The CV printout's 255 rows take full pages and a last page of 63 rows.
INSTANTIATE_TEST_SUITE_P(RowCounts, SummaryPageRules,
                         ::testing::Values(PageRule{0, {9}}, PageRule{59, {68}},
                                           PageRule{60, {66, 9}}, PageRule{64, {70, 9}}));

// Title and owner lines centre on 100 columns, halves to even, never left of column 1;
// the owner is decoded and ends at its first NUL.
TEST(SummaryPrintout, TitleAndOwnerLinesAreCentred) {
    const std::string longPath = "/" + std::string(78, 'p');  // 19 + 79 = 98 characters
    const struct {
        std::string path, author, shownAuthor;
        std::size_t titleColumn, ownerColumn;
    } cases[] = {
        {"/p/x.spj", std::string("Jane\0junk", 9), "Jane", 36, 41},  // 36.5 and 41
        {"/p/abcdefghijklmno.spj", "Zo\xEB", "Zo\u00EB", 30, 42},    // 29.5 and 41.5
        {longPath, std::string(84, 'a'), std::string(84, 'a'), 1, 1},
        {longPath + "p", std::string(85, 'a'), std::string(85, 'a'), 1, 1},
        {longPath + std::string(40, 'p'), std::string(124, 'a'), std::string(124, 'a'), 1, 1},
    };
    for (const auto& c : cases) {
        const auto page = PrintedSummary(SummaryGridWithRows(1), c.path, c.author).front();
        EXPECT_EQ(ColumnOf(page[1], "Components in SPJ: " + c.path), c.titleColumn) << c.path;
        EXPECT_EQ(ColumnOf(page[2], "Owner/Author: " + c.shownAuthor), c.ownerColumn) << c.path;
        EXPECT_EQ(Utf8Length(page[2]), c.ownerColumn + 13 + Utf8Length(c.shownAuthor)) << c.path;
    }
}

TEST(SummaryPrintout, CellsGoThroughTheirMasksAndStandRightAligned) {
    GridModel grid;
    PrepareSummaryGrid(grid);
    grid.AddRow({{" 7"},
                 {" ÄBCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
                 {"16"},
                 {"8"},
                 {"1200000", 1200000},
                 {".5", 0.5},
                 {"1,024.5", 1024.5}});
    grid.AddRow({{"  "}, {" TOTAL "}, {"  "}, {"  "}, {"n/a"}, {"12.3456", 12.3456}, {""}});
    const auto page = PrintedSummary(grid).front();
    // The name's first 29 characters fill the columns up to Bits; halves go to even; a cell
    // that is not a number stands right-aligned as it is; an empty last cell fills its nine.
    EXPECT_EQ(page[6],
              "            7     ÄBCDEFGHIJKLMNOPQRSTUVWXYZ01216    8 1,200,000        "
              ".500      1,024");
    EXPECT_EQ(page[7],
              "                  TOTAL                                      n/a      12.346"
              "           ");
}

// Zeros the grid shows as nothing or as a bare decimal point print that way
// too, not as "0" or ".000", and the totals' filler cells print as blanks.
TEST(SummaryPrintout, ZerosAndFillersPrintAsTheGridShowsThem) {
    const auto wave = fixture::MakeWave(fixture::Tone(440, 0.01), 8).bytes;  // 154 bytes
    fixture::SpjBuilder builder;
    // The empty block takes its wave header from the block after it.
    builder.Entry({1, 3, {}, 0, 0, "empty.wav"})
        .Entry({1, 2, wave, 5513, 0, "half.wav"})
        .Entry({1, 1, wave, 0, 0, "  silent.wav  "})
        .Entry({1, 4, wave, 11025, 1, "A name far longer than its twenty-nine columns.wav"})
        .Code(fixture::ProgramCode().Voice(1).End())
        .StartupCVs({})
        .Text("t");
    const auto project = testkit::Read(builder);
    ASSERT_TRUE(project.ok());
    const auto page = PrintedSummary(SummaryGrid(project.value(), {})).front();
    const Lines expected = {
        "            1     silent.wav                   8     8       154           .           ",
        "            2     half.wav                     8     8       154        .500      5,632",
        "            3     empty.wav                    8     8                     .           ",
        "            4     A name far longer than its tw8     12      154       1.500     16,640",
        std::string(87, ' '),
        "                  TOTAL SOUND CLIP DATA                                          22,272",
        "                  PROGRAM CODE                                                      256",
        "                  TOTAL WHOLE PROJECT                                            22,528",
        std::string(87, ' '),
        "                  SOUND CLIP COUNT             4                                       ",
        "                  PROJECT VOICES               1                                       ",
        "                  PROJECT SCHEMES              0                                       ",
    };
    ASSERT_EQ(page.size(), 21U);
    EXPECT_EQ(Lines(page.begin() + 6, page.begin() + 18), expected);

    // A decimal comma stands alone in the same way.
    const NumberFormat german{".", ","};
    const auto germanPage =
        PrintedSummary(SummaryGrid(project.value(), german), "/p/demo.spj", "Jane", german).front();
    EXPECT_EQ(Lines(germanPage.begin() + 6, germanPage.begin() + 8),
              (Lines{"            1     silent.wav                   8     8    "
                     "   154           ,           ",
                     "            2     half.wav                     8     8    "
                     "   154        ,500      5.632"}));
}

TEST(ReportFrame, PrintedAtUsesTheShortDateAndTimeFormats) {
    const std::tm when{5, 4, 13, 2, 0, 124, 0, 0, 0, 0, nullptr};  // 13:04:05, 2 January 2024
    EXPECT_EQ(FormatPrintedAt(when, "C"), kPrintedAt);
    EXPECT_EQ(FormatPrintedAt(when, "no-such-locale"), kPrintedAt);
}

// The printout of a project whose CVs 1 to `nonZero` hold 180, with the names the text gives.
std::vector<TextPages::Page> PrintedCVs(int nonZero, const std::string& text = "") {
    std::array<std::uint8_t, 256> values{};
    for (int cv = 1; cv <= nonZero; ++cv) values[static_cast<std::size_t>(cv)] = 180;
    fixture::SpjBuilder builder;
    builder.HeaderText("Author: Jane")
        .Code(fixture::ProgramCode().End())
        .StartupCVs(values)
        .Text(text);
    const auto project = ReadProject(builder.Build(), "diesel.spj");
    EXPECT_TRUE(project.ok());
    TextPages pages;
    ColumnPrinter printer(pages);
    PrintProjectCVs(printer, {"/p/diesel.spj", "/p/", "diesel.spj"}, project.value(), kPrintedAt);
    EXPECT_TRUE(pages.ended());
    return pages.pages();
}

// Every page has the frame's header; the page rules themselves are the report
// frame's, tried in full with the summary printout.
TEST(CVPrintout, EveryPageHasAHeaderAndTheLastTheClosingBlock) {
    const auto pages = PrintedCVs(255);
    EXPECT_EQ(LineCounts(pages), (std::vector<std::size_t>{70, 70, 70, 69, 9}));
    for (const auto& page : pages) {
        ASSERT_GE(page.size(), 6U);
        // The title line is 48 long: (100 - 48) / 2 = 26.
        EXPECT_EQ(page[1],
                  std::string(25, ' ') + "Non-Zero Startup CV values in SPJ: /p/diesel.spj");
        EXPECT_EQ(page[2], std::string(40, ' ') + "Owner/Author: Jane");
        EXPECT_EQ(page[3], std::string(9, ' ') + std::string(78, '='));
        EXPECT_EQ(page[4], kCVHeading);
        EXPECT_EQ(page[5], kCVDashes);
    }
    const auto& last = pages.back();
    EXPECT_EQ(last[last.size() - 2], "          Printed: 01/02/24   13:04:05");
    EXPECT_EQ(last.back(), "          Tambrelox V1.0");
}

TEST(CVPrintout, ATwentyEightCharacterNamePushesItsValueToTheNextLineButCountsOnce) {
    std::string text = "(B)\r\n";
    for (int cv = 1; cv <= 64; ++cv)
        text += "CV" + std::to_string(cv) + " abcdefghijklmnopqrstuvwxyzAB\r\n";
    const auto pages = PrintedCVs(64, text + "(C)\r\n");
    EXPECT_EQ(pages[0][6], "         CV 1    abcdefghijklmnopqrstuvwxyzAB");
    EXPECT_EQ(pages[0][7], std::string(44, ' ') + "B4   180  10110100");
    EXPECT_EQ(pages[0][8].substr(0, 16), "         CV 2   ");
    // 128 printed lines: the printer turns its full 70-line page itself, and
    // the count of 64 CV lines turns the page before the closing block.
    EXPECT_EQ(LineCounts(pages), (std::vector<std::size_t>{70, 64, 9}));
}

Lines LinesOf(const std::string& text) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    return DescriptiveTextLines(ByteView(bytes));
}

std::vector<TextPages::Page> PrintedText(const std::string& text) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    TextPages pages;
    ColumnPrinter printer(pages);
    PrintDescriptiveText(printer, ByteView(bytes));
    EXPECT_TRUE(pages.ended());
    return pages.pages();
}

TEST(DescriptiveTextLines, SplitAtCarriageReturnLineFeedOnlyAndDecoded) {
    EXPECT_EQ(LinesOf("one\r\ntwo\r\n"), (Lines{"one", "two", ""}));
    EXPECT_EQ(LinesOf("a\rb\nc\n\rd"), (Lines{"a\rb\nc\n\rd"}));
    EXPECT_EQ(LinesOf(""), (Lines{""}));
    EXPECT_EQ(LinesOf("Caf\xe9\t\x80 5\0!"s), (Lines{"Caf\u00e9\t\u20ac 5\0!"s}));
}

TEST(TextPrintout, PrintsTheTextsOwnLinesUnwrappedAndNoTextAsABlankPage) {
    const std::string longLine(150, 'x');
    std::string text = "Diesel\r\n\r\n\tCaf\xe9\r\n" + longLine + "\r\n";
    for (int line = 5; line <= 75; ++line) text += "line " + std::to_string(line) + "\r\n";
    const auto pages = PrintedText(text);
    ASSERT_EQ(pages.size(), 2U);
    ASSERT_EQ(pages[0].size(), 70U);
    EXPECT_EQ(Lines(pages[0].begin(), pages[0].begin() + 4),
              (Lines{"Diesel", "", "\tCaf\u00e9", longLine}));
    EXPECT_EQ(pages[1][0], "line 71");
    EXPECT_EQ(pages[1][4], "line 75");
    EXPECT_EQ(PrintedText(""), std::vector<TextPages::Page>(1));
}

}  // namespace
}  // namespace tambrelox
