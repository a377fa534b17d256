#include "textviewer/text_printout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_pages.h"

namespace tambrelox {
namespace {

std::vector<TextPages::Page> Printed(const std::string& text) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    TextPages pages;
    ColumnPrinter printer(pages);
    PrintDescriptiveText(printer, ByteView(bytes));
    EXPECT_TRUE(pages.ended());
    return pages.pages();
}

TEST(TextPrintout, PrintsTheTextsOwnLinesUnwrappedFromColumnOne) {
    const std::string longLine(150, 'x');
    const auto pages = Printed("Diesel\r\n\r\n\tCaf\xe9\r\n" + longLine + "\r\n");
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0][0], "Diesel");
    EXPECT_EQ(pages[0][1], "");
    EXPECT_EQ(pages[0][2], "\tCaf\u00e9");
    EXPECT_EQ(pages[0][3], longLine);
}

TEST(TextPrintout, PagesFollowAsTheyFill) {
    std::string text;
    for (int line = 1; line <= 75; ++line) text += "line " + std::to_string(line) + "\r\n";
    const auto pages = Printed(text);
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[0].size(), 70U);
    EXPECT_EQ(pages[1][0], "line 71");
    EXPECT_EQ(pages[1][4], "line 75");
}

TEST(TextPrintout, AnEmptyTextPrintsABlankPage) {
    const auto pages = Printed("");
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_TRUE(pages[0].empty());
}

}  // namespace
}  // namespace tambrelox
