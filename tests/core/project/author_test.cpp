#include "core/project/author.h"
#include "core/base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tambrelox {
namespace {

std::string HeaderText(const std::string& text) {
    std::string padded = text;
    padded.resize(72, '\0');
    return padded;
}

TEST(CleanAuthor, RemovesColonsLeadingSpacesAndCutsAtTabOrLineEnd) {
    EXPECT_EQ(CleanAuthor(": J. Smith"), "J. Smith");
    EXPECT_EQ(CleanAuthor(":\tJane Doe\r\nmore"), "Jane Doe");  // an early tab is removed
    EXPECT_EQ(CleanAuthor(" Jane Doe\tremarks"), "Jane Doe");   // a late tab ends the name
    EXPECT_EQ(CleanAuthor("1234567\tX"), "1234567");            // tab at position 8 cuts
    EXPECT_EQ(CleanAuthor("123456\tX"), "123456X");             // tab at position 7 goes
    EXPECT_EQ(CleanAuthor("  \tName  "), "Name  ");             // trailing spaces stay
    EXPECT_EQ(CleanAuthor(std::string("Bob\0\0", 5)), std::string("Bob\0\0", 5));
}

TEST(AuthorFromHeader, TheTagInAnyCaseWithItsNulsAPossessiveVostrelleOrNothing) {
    const std::string author = AuthorFromHeaderText(HeaderText("Sounds by AUTHOR: J. Smith"));
    EXPECT_EQ(author, "J. Smith" + std::string(24 - 10, '\0'));
    EXPECT_EQ(CutAtNul(AuthorFromHeaderText(HeaderText("made by author: ann"))), "ann");
    EXPECT_EQ(AuthorFromHeaderText(HeaderText("AUTHOR'S NOTES")), "Unspecified");
    EXPECT_EQ(AuthorFromHeaderText(HeaderText("built with vOsTrElLe")), "Vostrelle Project");
    EXPECT_EQ(AuthorFromHeaderText(HeaderText("plain")), "Unspecified");
    // The tag in the last six characters leaves nothing to take.
    EXPECT_EQ(AuthorFromHeaderText(std::string(66, 'x') + "AUTHOR"), "");
}

TEST(AuthorFromText, WindowIsAThousandBytesAndMayRunToTheFileEnd) {
    std::string text(990, '.');
    text += "AUTHOR: Far Away";  // the name runs past the window that starts at 0
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    EXPECT_EQ(AuthorFromDescriptiveText(ByteView(bytes), 0), "Fa");
    EXPECT_EQ(AuthorFromDescriptiveText(ByteView(bytes), 20), "Far Away");
    EXPECT_EQ(AuthorFromDescriptiveText(ByteView(bytes), 991), std::nullopt);
    EXPECT_EQ(AuthorFromDescriptiveText(ByteView(bytes), 5000), std::nullopt);
}

}  // namespace
}  // namespace tambrelox
