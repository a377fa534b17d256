#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/base/text.h"
#include "core/project/author.h"
#include "core/project/spj_reader.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using fixture::MinimalProject;
using fixture::ProgramCode;
using fixture::SpjBuilder;
using testkit::ProjectWithCode;
using testkit::PutField;
using testkit::Read;

TEST(Reader, ReadsTheMinimalProject) {
    const auto outcome = Read(MinimalProject());
    ASSERT_TRUE(outcome.ok()) << outcome.refusal().message;
    const Project& project = outcome.value();
    ASSERT_EQ(project.entries.size(), 5U);
    EXPECT_EQ(project.entries[0].name, "tone8.wav");
    EXPECT_EQ(std::tie(project.entries[0].waveBits, project.entries[1].waveBits),
              std::tuple(8, 16));
    EXPECT_EQ(std::tie(project.codeEntry, project.cvEntry, project.textEntry),
              std::tuple(2U, 3U, 4U));
    EXPECT_EQ(project.author, "Test Maker");
    EXPECT_EQ(std::tie(project.summary.voiceCount, project.summary.schemeCount), std::tuple(3, 2));
}

TEST(Reader, FourthByteOfHeaderFieldOneIsNotTestedButTheOthersAre) {
    auto bytes = MinimalProject().Build();
    bytes.at(3) = 7;
    EXPECT_TRUE(Read(bytes).ok());
    for (std::size_t field = 1; field < 6; ++field) {
        auto damaged = MinimalProject().Build();
        damaged.at(4 * field + 3) = 1;
        const auto outcome = Read(damaged);
        ASSERT_FALSE(outcome.ok()) << "header field " << field + 1;
        EXPECT_EQ(outcome.refusal().message,
                  "Problem extracting Header Info from test.spj. Perhaps the SPJ file is corrupt. "
                  "Cannot continue.");
        EXPECT_FALSE(outcome.refusal().authorShown);  // the reader stopped before the label was set
    }
}

TEST(Reader, FourthByteOfAnyEntryFieldMarksTheFileCorrupt) {
    for (std::size_t field = 0; field < 6; ++field) {
        auto bytes = MinimalProject().HeaderText("AUTHOR: Head").Build();
        bytes.at(SpjBuilder::RecordOffset(1) + 4 * field + 3) = 1;
        const auto outcome = Read(bytes);
        ASSERT_FALSE(outcome.ok()) << "entry field " << field + 1;
        EXPECT_EQ(outcome.refusal().message, CorruptionMessage("test.spj"));
        EXPECT_EQ(outcome.refusal().kind, RefusalKind::NotAProject);
        EXPECT_EQ(outcome.refusal().place, (Place{Place::In::DirectoryEntry, 1}));
        EXPECT_EQ(CutAtNul(outcome.refusal().authorShown.value()), "Head");
    }
}

// 11 records of directory: sizes that leave the last index at 9 read entries 0 to 9; at 10.5
// records the last index 8.5 goes down to 8, at 11.5 it goes up to 10, a record of clip data.
TEST(Reader, LastEntryIndexRoundsHalfToEven) {
    SpjBuilder builder = MinimalProject();
    for (int i = 0; i < 5; ++i) builder.Entry({9, 0, {}, 0, 0, "extra"});
    auto bytes = builder.Build();
    for (const auto& [size, entries] :
         {std::pair{1344U, 9U}, {1345U, 10U}, {1400U, 10U}, {1471U, 10U}, {1472U, 0U}}) {
        PutField(bytes, 12, size);
        const auto outcome = Read(bytes);
        EXPECT_EQ(outcome.ok() ? outcome.value().entries.size() : 0U, entries) << size;
    }
}

TEST(Reader, LastEntryOfATypeWins) {
    SpjBuilder builder = MinimalProject();
    builder.Text("Second text\r\nAUTHOR: Later One\r\n");
    const auto outcome = Read(builder);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().textEntry, 5U);
    EXPECT_EQ(outcome.value().author, "Later One");
}

TEST(Reader, TextAuthorOverridesHeaderAuthor) {
    const auto authorWithText = [](const std::string& text) {
        SpjBuilder builder;
        builder.HeaderText("AUTHOR: Header Name")
            .Code(ProgramCode().End())
            .StartupCVs({})
            .Text(text);
        return Read(builder).value().author;
    };
    // The possessive is passed over once; the tag after it names the author.
    EXPECT_EQ(authorWithText("Author's notes\r\nsome lines\r\nAuthor:\tJane Doe\r\nmore"),
              "Jane Doe");
    EXPECT_EQ(CutAtNul(authorWithText("none")), "Header Name");  // the header keeps its NULs
}

// Program code as the block holds it, and the block's length where the directory cuts it short.
TEST(ProgramCodeWalk, EndsAtAnEndInstructionWhoseOperandMayLieJustPastTheBlock) {
    const struct {
        const char* what;
        std::vector<std::uint8_t> code;
        std::optional<std::uint32_t> length;
        bool ok;
    } cases[] = {
        {"end as the last two bytes", ProgramCode().Plain(10).Plain(250).Scheme(4).End().Bytes(),
         std::nullopt, true},
        // The walk reads the scheme operand wherever it is: 241 as the block's last byte.
        {"end operand past the block", ProgramCode().Plain(10).End().Bytes(), 3, true},
        // (Where a walk past the block stops is checked with the partial read.)
        {"a 4-byte instruction straddling the end",
         ProgramCode().Plain(10).Plain(224).End().Bytes(), 5, false},
        {"an empty block cannot end inside itself", {}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        auto bytes = ProjectWithCode(c.code).Build();
        if (c.length) PutField(bytes, SpjBuilder::RecordOffset(0) + 20, *c.length);
        EXPECT_EQ(Read(bytes).ok(), c.ok) << c.what;
    }
}

TEST(ProgramCodeWalk, VoicesRiseByOneForEachHigherNumber) {
    const auto counted = [](std::initializer_list<std::uint8_t> voices) {
        ProgramCode code;
        for (const auto voice : voices) code.Voice(voice);
        return Read(ProjectWithCode(code.End().Bytes())).value().summary.voiceCount;
    };
    EXPECT_EQ(counted({1, 2, 3, 3, 1}), 3);
    EXPECT_EQ(counted({3, 1, 2}), 2);
    EXPECT_EQ(counted({4}), 1);
    EXPECT_EQ(counted({1, 2, 3, 4}), 4);
}

// The header's text field as the file holds it: 72 bytes, NULs after the text.
std::string PaddedHeaderText(const std::string& text) {
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
    const std::string author = AuthorFromHeaderText(PaddedHeaderText("Sounds by AUTHOR: J. Smith"));
    EXPECT_EQ(author, "J. Smith" + std::string(24 - 10, '\0'));
    EXPECT_EQ(CutAtNul(AuthorFromHeaderText(PaddedHeaderText("made by author: ann"))), "ann");
    EXPECT_EQ(AuthorFromHeaderText(PaddedHeaderText("AUTHOR'S NOTES")), "Unspecified");
    EXPECT_EQ(AuthorFromHeaderText(PaddedHeaderText("built with vOsTrElLe")), "Vostrelle Project");
    EXPECT_EQ(AuthorFromHeaderText(PaddedHeaderText("plain")), "Unspecified");
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
