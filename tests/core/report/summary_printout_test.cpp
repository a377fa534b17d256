#include "core/report/summary_printout.h"

#include <gtest/gtest.h>

#include "core/base/text.h"
#include "core/grid/summary_grid.h"
#include "core/report/report_frame.h"
#include "core/report/text_pages.h"
#include "test_files.h"

namespace tambrelox {
namespace {

constexpr std::string_view kPrintedAt = "01/02/24   13:04:05";

using testkit::SummaryGridWithRows;

std::vector<TextPages::Page> Printed(const GridModel& grid, std::string_view path = "/p/demo.spj",
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

struct PageRule {
    int rows;
    std::vector<std::size_t> linesPerPage;
};

class SummaryPageRules : public ::testing::TestWithParam<PageRule> {};

// 64 rows fill a page; the three closing lines need a new page after 60 rows on one.
TEST_P(SummaryPageRules, EveryPageHasAHeaderAndTheClosingBlockFits) {
    const auto pages = Printed(SummaryGridWithRows(GetParam().rows));
    std::vector<std::size_t> lineCounts;
    for (const auto& page : pages) {
        lineCounts.push_back(page.size());
        ASSERT_GE(page.size(), 6U);
        EXPECT_EQ(page[0], "");
        EXPECT_EQ(page[1], std::string(34, ' ') + "Components in SPJ: /p/demo.spj");
        EXPECT_EQ(page[3], std::string(10, ' ') + std::string(78, '='));
        EXPECT_EQ(page[4], kSummaryHeading);
        EXPECT_EQ(page[5], kSummaryDashes);
    }
    EXPECT_EQ(lineCounts, GetParam().linesPerPage);
    const auto& last = pages.back();
    EXPECT_EQ(last[last.size() - 3], "");
    EXPECT_EQ(last[last.size() - 2], "          Printed: 01/02/24   13:04:05");
    EXPECT_EQ(last.back(), "          Tambrelox V1.0");
}

INSTANTIATE_TEST_SUITE_P(RowCounts, SummaryPageRules,
                         ::testing::Values(PageRule{0, {9}}, PageRule{59, {68}},
                                           PageRule{60, {66, 9}}, PageRule{63, {69, 9}},
                                           PageRule{64, {70, 9}}, PageRule{65, {70, 10}},
                                           PageRule{128, {70, 70, 9}}));

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
        const auto page = Printed(SummaryGridWithRows(1), c.path, c.author).front();
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
    const auto page = Printed(grid).front();
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
    const auto page = Printed(SummaryGrid(project.value(), {})).front();
    const std::vector<std::string> expected = {
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
    EXPECT_EQ(std::vector<std::string>(page.begin() + 6, page.begin() + 18), expected);

    // A decimal comma stands alone in the same way.
    const NumberFormat german{".", ","};
    const auto germanPage =
        Printed(SummaryGrid(project.value(), german), "/p/demo.spj", "Jane", german).front();
    EXPECT_EQ(std::vector<std::string>(germanPage.begin() + 6, germanPage.begin() + 8),
              (std::vector<std::string>{"            1     silent.wav                   8     8    "
                                        "   154           ,           ",
                                        "            2     half.wav                     8     8    "
                                        "   154        ,500      5.632"}));
}

TEST(ReportFrame, PrintedAtUsesTheShortDateAndTimeFormats) {
    const std::tm when{5, 4, 13, 2, 0, 124, 0, 0, 0, 0, nullptr};  // 13:04:05, 2 January 2024
    EXPECT_EQ(FormatPrintedAt(when, "C"), kPrintedAt);
    EXPECT_EQ(FormatPrintedAt(when, "no-such-locale"), kPrintedAt);
}

}  // namespace
}  // namespace tambrelox
