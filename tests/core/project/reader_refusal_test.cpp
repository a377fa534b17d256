// Files the reader must refuse with a clear message, never reading outside them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/base/file_bytes.h"
#include "core/project/spj_reader.h"
#include "player_fixtures.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using fixture::MinimalProject;
using fixture::SpjBuilder;
using testkit::PutByte;
using testkit::PutField;
using testkit::Read;

std::string RefusalOf(const std::vector<std::uint8_t>& bytes) {
    const auto outcome = Read(bytes);
    return outcome.ok() ? "accepted" : outcome.refusal().message;
}

TEST(ReaderRefuses, EveryTruncationWithAMessage) {
    const auto whole = MinimalProject().Build();
    ASSERT_TRUE(Read(whole).ok());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        // A copy of exactly `length` bytes, so that a sanitizer sees any read past it.
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<std::ptrdiff_t>(length));
        const auto outcome = Read(cut);
        ASSERT_FALSE(outcome.ok()) << "accepted a file cut to " << length << " bytes";
        EXPECT_NE(outcome.refusal().message.find("test.spj"), std::string::npos);
    }
}

TEST(ReaderRefuses, ShortFilesAndDirectories) {
    EXPECT_EQ(
        RefusalOf({}),
        "Problem reading test.spj: the file is too short to hold a directory. Cannot continue.");
    auto bytes = SpjBuilder().Code(fixture::ProgramCode().End()).StartupCVs({}).Text("t").Build();
    bytes.resize(SpjBuilder::RecordOffset(2));
    EXPECT_EQ(RefusalOf(bytes),
              "Problem reading test.spj: the file is shorter than its directory. Cannot continue.");
}

TEST(ReaderRefuses, MoreThan201Entries) {
    SpjBuilder builder = MinimalProject();
    for (int i = 0; i < 196; ++i) builder.Entry({9, 0, {}, 0, 0, "x"});
    EXPECT_TRUE(Read(builder).ok());  // exactly 201
    builder.Entry({9, 0, {}, 0, 0, "x"});
    EXPECT_EQ(
        RefusalOf(builder.Build()),
        "Problem reading test.spj: its directory has more than 201 entries. Cannot continue.");
}

TEST(ReaderRefuses, NameWithoutEndAndImpossibleType) {
    auto bytes = MinimalProject().Build();
    for (std::size_t i = 56; i < 128; ++i) PutByte(bytes, SpjBuilder::RecordOffset(1) + i, 'n');
    EXPECT_EQ(
        RefusalOf(bytes),
        "Problem reading test.spj: directory record 2 has a name without an end. Cannot continue.");
    bytes = MinimalProject().Build();
    PutField(bytes, SpjBuilder::RecordOffset(0), 32768);
    EXPECT_EQ(RefusalOf(bytes),
              "Problem reading test.spj: directory record 1 has the impossible type 32768. Cannot "
              "continue.");
    PutField(bytes, SpjBuilder::RecordOffset(0), 32767);  // a type no one uses is passed over
    EXPECT_TRUE(Read(bytes).ok());
}

TEST(ReaderRefuses, MissingSpecialBlocks) {
    SpjBuilder noCode = SpjBuilder().StartupCVs({}).Text("t");
    EXPECT_EQ(RefusalOf(noCode.Build()),
              "Problem reading test.spj: it has no program code. Cannot continue.");
    SpjBuilder noCVs = SpjBuilder().Code(fixture::ProgramCode().End()).Text("t");
    EXPECT_EQ(RefusalOf(noCVs.Build()),
              "Problem reading test.spj: it has no startup CV values. Cannot continue.");
    SpjBuilder noText = SpjBuilder().Code(fixture::ProgramCode().End()).StartupCVs({});
    EXPECT_EQ(RefusalOf(noText.Build()),
              "Problem reading test.spj: it has no descriptive text. Cannot continue.");
}

TEST(ReaderRefuses, BlocksReachingPastTheEnd) {
    const SpjBuilder builder = MinimalProject();
    const auto whole = builder.Build();
    struct Case {
        std::size_t entry;
        std::size_t field;  // byte offset in the record
        std::uint32_t value;
        const char* problem;
    };
    const std::uint32_t size = static_cast<std::uint32_t>(whole.size());
    for (const Case& c : {Case{0, 20, size, "the sound clip of directory record 1"},
                          Case{0, 8, size - 10, "the sound clip of directory record 1"},
                          Case{2, 20, size, "the program code of directory record 3"},
                          Case{4, 8, size, "the descriptive text of directory record 5"}}) {
        auto bytes = whole;
        PutField(bytes, SpjBuilder::RecordOffset(c.entry) + c.field, c.value);
        EXPECT_EQ(RefusalOf(bytes), std::string("Problem reading test.spj: ") + c.problem +
                                        " reaches past the end of the file. Cannot continue.");
    }
    // A descriptive text that ends exactly at the end of the file is fine.
    EXPECT_EQ(builder.BlockOffset(5), whole.size());
    EXPECT_TRUE(Read(whole).ok());
}

TEST(ReaderRefuses, FilesThatCannotBeRead) {
    const auto missing = ReadProjectFile("/nonexistent/x.spj", "x.spj");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.refusal().message,
              "Problem reading x.spj: the file cannot be opened (No such file or directory). "
              "Cannot continue.");
    const auto folder = ReadProjectFile(std::filesystem::temp_directory_path().string(), "tmp");
    EXPECT_EQ(folder.refusal().message, "Problem reading tmp: it is not a file. Cannot continue.");
    EXPECT_EQ(folder.refusal().kind, RefusalKind::NotAFile);

    const testkit::ScratchFolder scratch;
    const auto huge = scratch.path() / "huge.spj";
    std::ofstream{huge};
    std::filesystem::resize_file(huge, kLargestFileRead + 1);
    const auto tooLarge = ReadProjectFile(huge.string(), "huge.spj");
    EXPECT_EQ(tooLarge.refusal().message,
              "Problem reading huge.spj: the file is far too large to be a sound project. Cannot "
              "continue.");
    EXPECT_EQ(tooLarge.refusal().kind, RefusalKind::TooLarge);
    EXPECT_FALSE(tooLarge.refusal().authorShown);
    // Bytes that came from elsewhere than a path are held to the same limit, in the same words.
    EXPECT_TRUE(CheckProjectFileSize(kLargestFileRead, "huge.spj").ok());
    const auto bytesTooMany = CheckProjectFileSize(kLargestFileRead + 1, "huge.spj");
    EXPECT_EQ(bytesTooMany.refusal().message, tooLarge.refusal().message);
    EXPECT_EQ(bytesTooMany.refusal().kind, RefusalKind::TooLarge);
}

}  // namespace
}  // namespace tambrelox
