#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/project/text_lines.h"
#include "core/report/report_frame.h"
#include "core/report/text_pages.h"

namespace tambrelox {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

Lines LinesOf(const std::string& text) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    return DescriptiveTextLines(ByteView(bytes));
}

std::vector<TextPages::Page> Printed(const std::string& text) {
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
    const auto pages = Printed(text);
    ASSERT_EQ(pages.size(), 2U);
    ASSERT_EQ(pages[0].size(), 70U);
    EXPECT_EQ(Lines(pages[0].begin(), pages[0].begin() + 4),
              (Lines{"Diesel", "", "\tCaf\u00e9", longLine}));
    EXPECT_EQ(pages[1][0], "line 71");
    EXPECT_EQ(pages[1][4], "line 75");
    EXPECT_EQ(Printed(""), std::vector<TextPages::Page>(1));
}

}  // namespace
}  // namespace tambrelox
