#include "textviewer/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tambrelox {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    return DescriptiveTextLines(ByteView(bytes));
}

TEST(DescriptiveTextLines, SplitsAtCarriageReturnLineFeedOnly) {
    EXPECT_EQ(LinesOf("one\r\ntwo\r\n"), (std::vector<std::string>{"one", "two", ""}));
    EXPECT_EQ(LinesOf("a\rb\nc\n\rd"), (std::vector<std::string>{"a\rb\nc\n\rd"}));
    EXPECT_EQ(LinesOf("\r\n\r\n"), (std::vector<std::string>{"", "", ""}));
}

TEST(DescriptiveTextLines, AnEmptyBlockIsOneEmptyLine) {
    EXPECT_EQ(LinesOf(""), (std::vector<std::string>{""}));
}

TEST(DescriptiveTextLines, DecodesWindows1252AndKeepsEveryOtherByte) {
    using namespace std::string_literals;
    EXPECT_EQ(LinesOf("Caf\xe9\t\x80 5\0!"s),
              (std::vector<std::string>{"Caf\u00e9\t\u20ac 5\0!"s}));
}

}  // namespace
}  // namespace tambrelox
