#include "core/report/cv_printout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/project/spj_reader.h"
#include "core/report/text_pages.h"
#include "spj_builder.h"

namespace tambrelox {
namespace {

// The printout of a project whose CVs 1 to `nonZero` hold 180, with the names the text gives.
std::vector<TextPages::Page> Printed(int nonZero, const std::string& text = "") {
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
    PrintProjectCVs(printer, {"/p/diesel.spj", "/p/", "diesel.spj"}, project.value(),
                    "01/02/24   13:04:05");
    EXPECT_TRUE(pages.ended());
    return pages.pages();
}

std::vector<std::size_t> LineCounts(const std::vector<TextPages::Page>& pages) {
    std::vector<std::size_t> counts;
    for (const auto& page : pages) counts.push_back(page.size());
    return counts;
}

// Every page has the frame's header; the page rules themselves are the report
// frame's, tried in full with the summary printout.
TEST(CVPrintout, EveryPageHasAHeaderAndTheLastTheClosingBlock) {
    const auto pages = Printed(255);
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
    const auto pages = Printed(64, text + "(C)\r\n");
    EXPECT_EQ(pages[0][6], "         CV 1    abcdefghijklmnopqrstuvwxyzAB");
    EXPECT_EQ(pages[0][7], std::string(44, ' ') + "B4   180  10110100");
    EXPECT_EQ(pages[0][8].substr(0, 16), "         CV 2   ");
    // 128 printed lines: the printer turns its full 70-line page itself, and
    // the count of 64 CV lines turns the page before the closing block.
    EXPECT_EQ(LineCounts(pages), (std::vector<std::size_t>{70, 64, 9}));
}

}  // namespace
}  // namespace tambrelox
