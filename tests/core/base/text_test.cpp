#include "core/base/text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <string_view>
#include <utility>

#include "core/project/chosen_file.h"

namespace tambrelox {
namespace {

// Each defined byte is compared with the system's decoder below; a text mixing two- and
// three-byte characters is decoded in the descriptive text's lines.
TEST(Text, Windows1252DecodesEveryByte) {
    // Bytes the code page leaves undefined still come through, as C1 controls.
    EXPECT_EQ(Windows1252ToUtf8(std::string_view("\x81\x8D", 2)), "\u0081\u008D");
    EXPECT_EQ(Windows1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Windows1252ToUtf8(std::string(3000, '\xFF')).size(), 6000U);
}

TEST(Text, Windows1252AgreesWithTheSystemDecoderWhereThatDefinesTheByte) {
    iconv_t system = iconv_open("UTF-8", "WINDOWS-1252");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's documented failure value
    ASSERT_NE(system, reinterpret_cast<iconv_t>(-1));
    int compared = 0;
    for (int value = 0; value < 256; ++value) {
        char byte = static_cast<char>(value);
        char* in = &byte;
        std::size_t inLeft = 1;
        std::array<char, 8> decoded{};
        char* out = decoded.data();
        std::size_t outLeft = decoded.size();
        if (iconv(system, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) continue;
        EXPECT_EQ(Windows1252ToUtf8(std::string_view(&byte, 1)),
                  std::string(decoded.data(), decoded.size() - outLeft))
            << value;
        ++compared;
    }
    iconv_close(system);
    EXPECT_EQ(compared, 256 - 5) << "all but the five undefined bytes";
}

TEST(Text, CaseCharacterCountsTrimmingAndRightAlignment) {
    EXPECT_EQ(Utf8Lower("/Home/Ö/MyLoco.SPJ"), "/home/ö/myloco.spj");
    EXPECT_EQ(Utf8Upper("größe.spj"), "GRÖßE.SPJ");
    EXPECT_EQ(Utf8Lower("bad\xFFx"), "bad\xFFx");
    EXPECT_EQ(Utf8Length("Zürich"), 6U);
    EXPECT_EQ(Utf8Prefix("Zürich", 2), "Zü");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
    EXPECT_EQ(TrimTrailingSpaces("  a b  "), "  a b");
    EXPECT_EQ(TrimTrailingSpaces("   "), "");
    EXPECT_EQ(RightAligned(".500", 9), "     .500");
    EXPECT_EQ(RightAligned("Zoë", 5), "  Zoë");
    EXPECT_EQ(RightAligned("1234567890", 9), "1234567890");
}

// Line feeds, backslashes, tabs and ESC in names are checked in spjinfo's output too.
TEST(Text, EscapedCellKeepsEveryRowOnOneLine) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},
        {"a\tb\r\n", "a\\tb\\r\\n"},
        {"\\n", "\\\\n"},  // a backslash before an n stays told apart from a line feed
        {"\x1b[2Jx\x01\x7f\x1f ", "\\x1b[2Jx\\x01\\x7f\\x1f "},
        {"caf\xc3\xa9", "caf\xc3\xa9"},
    };
    for (const auto& [text, cell] : cases) EXPECT_EQ(EscapedCell(text), cell) << text;
}

TEST(Text, CsvRecordQuotesOnlyWhatRfc4180Needs) {
    EXPECT_EQ(CsvRecord({"plain", "", "caf\xc3\xa9", " spaced "}),
              "plain,,caf\xc3\xa9, spaced \r\n");
    EXPECT_EQ(CsvRecord({"a,b", "say \"hi\"", "cr\r", "lf\n", "\""}),
              "\"a,b\",\"say \"\"hi\"\"\",\"cr\r\",\"lf\n\",\"\"\"\"\r\n");
}

TEST(ChosenFile, SplitsAtTheLastSlashAndLowersForDisplay) {
    const ChosenFile file = SplitChosenPath("/Sounds/Steam/MyLoco.SPJ");
    EXPECT_EQ(file.realPath, "/Sounds/Steam/MyLoco.SPJ");
    EXPECT_EQ(file.folder, "/sounds/steam/");
    EXPECT_EQ(file.fileName, "myloco.spj");
    const ChosenFile root = SplitChosenPath("/X.spj");
    EXPECT_EQ(root.folder, "/");
    EXPECT_EQ(root.fileName, "x.spj");
}

}  // namespace
}  // namespace tambrelox
