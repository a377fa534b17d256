#include "cvviewer/cv_printout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cvviewer/cv_table.h"
#include "platform/text_pages.h"
#include "project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox {
namespace {

constexpr std::string_view kPrintedAt = "01/02/24   13:04:05";

Project ProjectWith(const std::array<std::uint8_t, 256>& values, const std::string& text = "") {
    fixture::SpjBuilder builder;
    builder.HeaderText("Author: Jane")
        .Code(fixture::ProgramCode().End())
        .StartupCVs(values)
        .Text(text);
    auto outcome = ReadProject(builder.Build(), "diesel.spj");
    EXPECT_TRUE(outcome.ok());
    return std::move(outcome.value());
}

// A project whose CVs 1 to `count` hold their own number and all others zero.
Project ProjectWithNonZero(int count) {
    std::array<std::uint8_t, 256> values{};
    for (int cv = 1; cv <= count; ++cv)
        values[static_cast<std::size_t>(cv)] = static_cast<std::uint8_t>(cv);
    return ProjectWith(values);
}

std::vector<TextPages::Page> Printed(const Project& project) {
    TextPages pages;
    ColumnPrinter printer(pages);
    PrintProjectCVs(printer, {"/p/diesel.spj", "/p/", "diesel.spj"}, project, kPrintedAt);
    EXPECT_TRUE(pages.ended());
    return pages.pages();
}

struct PageRule {
    int nonZero;
    std::vector<std::size_t> linesPerPage;
};

class CVPageRules : public ::testing::TestWithParam<PageRule> {};

// 64 CV lines fill a page; the three closing lines need a new page after 60 lines on one.
TEST_P(CVPageRules, EveryPageHasAHeaderAndTheClosingBlockFits) {
    const auto pages = Printed(ProjectWithNonZero(GetParam().nonZero));
    std::vector<std::size_t> lineCounts;
    for (const auto& page : pages) {
        lineCounts.push_back(page.size());
        ASSERT_GE(page.size(), 6U);
        // The title line is 48 long: (100 - 48) / 2 = 26.
        EXPECT_EQ(page[1],
                  std::string(25, ' ') + "Non-Zero Startup CV values in SPJ: /p/diesel.spj");
        EXPECT_EQ(page[3], std::string(9, ' ') + std::string(78, '='));
        EXPECT_EQ(page[4], kCVHeading);
        EXPECT_EQ(page[5], kCVDashes);
    }
    EXPECT_EQ(lineCounts, GetParam().linesPerPage);
    const auto& last = pages.back();
    EXPECT_EQ(last[last.size() - 2], "          Printed: 01/02/24   13:04:05");
    EXPECT_EQ(last.back(), "          Tambrelox V1.0");
}

INSTANTIATE_TEST_SUITE_P(NonZeroCounts, CVPageRules,
                         ::testing::Values(PageRule{0, {9}}, PageRule{59, {68}},
                                           PageRule{60, {66, 9}}, PageRule{63, {69, 9}},
                                           PageRule{64, {70, 9}}, PageRule{65, {70, 10}},
                                           PageRule{128, {70, 70, 9}},
                                           PageRule{255, {70, 70, 70, 69, 9}}));

TEST(CVPrintout, OnlyNonZeroCVsAtTheirColumns) {
    std::array<std::uint8_t, 256> values{};
    values[29] = 6;
    values[255] = 255;
    const auto page = Printed(ProjectWith(values)).front();
    ASSERT_EQ(page.size(), 11U);
    EXPECT_EQ(page[2], std::string(40, ' ') + "Owner/Author: Jane");
    EXPECT_EQ(page[6], "         CV 29   Configuration Register     06   6    00000110");
    EXPECT_EQ(page[7], "         CV 255                             FF   255  11111111");
}

TEST(CVPrintout, ATwentyEightCharacterNamePushesTheRestOfItsLineDown) {
    std::array<std::uint8_t, 256> values{};
    values[140] = 180;
    values[141] = 1;
    const auto page =
        Printed(ProjectWith(values, "(B)\r\nCV140 abcdefghijklmnopqrstuvwxyzAB\r\n(C)\r\n"))
            .front();
    EXPECT_EQ(page[6], "         CV 140  abcdefghijklmnopqrstuvwxyzAB");
    EXPECT_EQ(page[7], std::string(44, ' ') + "B4   180  10110100");
    EXPECT_EQ(page[8].substr(0, 16), "         CV 141 ");
}

TEST(CVPrintout, APushedCVLineCountsOnceWhileThePrinterTurnsFullPages) {
    std::array<std::uint8_t, 256> values{};
    std::string text = "(B)\r\n";
    for (int cv = 1; cv <= 64; ++cv) {
        values[static_cast<std::size_t>(cv)] = 1;
        text += "CV" + std::to_string(cv) + " abcdefghijklmnopqrstuvwxyzAB\r\n";
    }
    const auto pages = Printed(ProjectWith(values, text + "(C)\r\n"));
    // 64 CVs take 128 printed lines: the printer turns the page after 70 of
    // them, the count of 64 CV lines turns it again before the closing block.
    std::vector<std::size_t> lineCounts;
    for (const auto& page : pages) lineCounts.push_back(page.size());
    EXPECT_EQ(lineCounts, (std::vector<std::size_t>{70, 64, 9}));
    EXPECT_EQ(pages[2][5], kCVDashes);
}

}  // namespace
}  // namespace tambrelox
