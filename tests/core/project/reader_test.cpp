#include <gtest/gtest.h>

#include "core/base/text.h"
#include "core/project/spj_reader.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using fixture::MinimalProject;
using fixture::ProgramCode;
using fixture::SpjBuilder;
using testkit::ProjectWithCode;
using testkit::PutByte;
using testkit::PutField;
using testkit::Read;

TEST(Reader, ReadsTheMinimalProject) {
    const auto outcome = Read(MinimalProject());
    ASSERT_TRUE(outcome.ok()) << outcome.refusal().message;
    const Project& project = outcome.value();
    ASSERT_EQ(project.entries.size(), 5U);
    EXPECT_EQ(project.entries[0].name, "tone8.wav");
    EXPECT_EQ(project.entries[0].waveBits, 8);
    EXPECT_EQ(project.entries[1].waveBits, 16);
    EXPECT_EQ(project.codeEntry, 2U);
    EXPECT_EQ(project.cvEntry, 3U);
    EXPECT_EQ(project.textEntry, 4U);
    EXPECT_EQ(project.author, "Test Maker");
    EXPECT_EQ(project.summary.voiceCount, 3);
    EXPECT_EQ(project.summary.schemeCount, 2);
}

TEST(Reader, FourthByteOfHeaderFieldOneIsNotTestedButTheOthersAre) {
    auto bytes = MinimalProject().Build();
    PutByte(bytes, 3, 7);
    EXPECT_TRUE(Read(bytes).ok());
    for (std::size_t field = 1; field < 6; ++field) {
        auto damaged = MinimalProject().Build();
        PutByte(damaged, 4 * field + 3, 1);
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
        PutByte(bytes, SpjBuilder::RecordOffset(1) + 4 * field + 3, 1);
        const auto outcome = Read(bytes);
        ASSERT_FALSE(outcome.ok()) << "entry field " << field + 1;
        EXPECT_EQ(outcome.refusal().message, CorruptionMessage("test.spj"));
        EXPECT_EQ(outcome.refusal().kind, RefusalKind::NotAProject);
        EXPECT_EQ(outcome.refusal().place, (Place{Place::In::DirectoryEntry, 1}));
        EXPECT_EQ(CutAtNul(outcome.refusal().authorShown.value()), "Head");
    }
}

TEST(Reader, LastEntryIndexRoundsHalfToEven) {
    // 11 records of directory: sizes that leave the last index at 9 read entries 0 to 9.
    SpjBuilder builder = MinimalProject();
    for (int i = 0; i < 5; ++i) builder.Entry({9, 0, {}, 0, 0, "extra"});
    auto bytes = builder.Build();
    for (const std::uint32_t size : {1345U, 1400U, 1471U}) {  // 10.51 to 11.49 records
        PutField(bytes, 12, size);
        const auto outcome = Read(bytes);
        ASSERT_TRUE(outcome.ok()) << size;
        EXPECT_EQ(outcome.value().entries.size(), 10U) << size;
    }
    PutField(bytes, 12, 1344);  // 10.5 records: last index 8.5 goes down to 8
    EXPECT_EQ(Read(bytes).value().entries.size(), 9U);
    PutField(bytes, 12,
             1472);  // 11.5 records: last index 9.5 goes up to 10, a record made of clip data
    EXPECT_EQ(Read(bytes).refusal().message, CorruptionMessage("test.spj"));
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

TEST(ProgramCodeWalk, EndInstructionAsTheLastTwoBytesEndsNormally) {
    const auto code = ProgramCode().Plain(10).Plain(250).Scheme(4).End().Bytes();
    const auto outcome = Read(ProjectWithCode(code));
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().summary.schemeCount, 1);
}

TEST(ProgramCodeWalk, RunningPastTheBlockIsCorruption) {
    // (Where a walk past the block stops is checked with the partial read.)
    // A 4-byte instruction that straddles the end, even with an end instruction after the block.
    auto bytes = ProjectWithCode(ProgramCode().Plain(10).Plain(224).End().Bytes()).Build();
    PutField(bytes, SpjBuilder::RecordOffset(0) + 20, 5);
    EXPECT_FALSE(Read(bytes).ok());
    // An empty block reads on into the next one and cannot end inside itself.
    EXPECT_FALSE(Read(ProjectWithCode({})).ok());
}

TEST(ProgramCodeWalk, EndOperandJustPastTheBlockStillEnds) {
    // The walk reads the scheme operand wherever it is; 241 as the block's last
    // byte followed by 31 in the file ends the stream.
    auto bytes = ProjectWithCode(ProgramCode().Plain(10).End().Bytes()).Build();
    PutField(bytes, SpjBuilder::RecordOffset(0) + 20, 3);
    EXPECT_TRUE(Read(bytes).ok());
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

}  // namespace
}  // namespace tambrelox
