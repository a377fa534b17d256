// Files the reader must refuse with a clear message, never reading outside them.
#include <gtest/gtest.h>

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
using testkit::PutField;
using testkit::Read;

std::string RefusalOf(const std::vector<std::uint8_t>& bytes) {
    const auto outcome = Read(bytes);
    return outcome.ok() ? "accepted" : outcome.refusal().message;
}

TEST(ReaderRefuses, EachDamageWithItsOwnMessage) {
    const auto code = fixture::ProgramCode().End();
    const auto whole = MinimalProject().Build();
    const auto size = static_cast<std::uint32_t>(whole.size());
    const auto withField = [&](std::size_t entry, std::size_t field, std::uint32_t value) {
        auto bytes = whole;
        PutField(bytes, SpjBuilder::RecordOffset(entry) + field, value);
        return bytes;
    };
    auto shortDirectory = SpjBuilder().Code(code).StartupCVs({}).Text("t").Build();
    shortDirectory.resize(SpjBuilder::RecordOffset(2));
    auto unendedName = whole;
    for (std::size_t i = 56; i < 128; ++i) unendedName.at(SpjBuilder::RecordOffset(1) + i) = 'n';
    SpjBuilder entries201 = MinimalProject();
    for (int i = 0; i < 196; ++i) entries201.Entry({9, 0, {}, 0, 0, "x"});
    // Just inside the limits: 201 entries, a type no one uses, a text ending with the file.
    EXPECT_TRUE(Read(entries201).ok());
    EXPECT_TRUE(Read(withField(0, 0, 32767)).ok());
    EXPECT_EQ(MinimalProject().BlockOffset(5), whole.size());
    const std::string past = " reaches past the end of the file";
    const struct {
        std::vector<std::uint8_t> bytes;
        std::string problem;
    } cases[] = {
        {shortDirectory, "the file is shorter than its directory"},
        {entries201.Entry({9, 0, {}, 0, 0, "x"}).Build(),
         "its directory has more than 201 entries"},
        {unendedName, "directory record 2 has a name without an end"},
        {withField(0, 0, 32768), "directory record 1 has the impossible type 32768"},
        {SpjBuilder().StartupCVs({}).Text("t").Build(), "it has no program code"},
        {SpjBuilder().Code(code).Text("t").Build(), "it has no startup CV values"},
        {SpjBuilder().Code(code).StartupCVs({}).Build(), "it has no descriptive text"},
        {withField(0, 20, size), "the sound clip of directory record 1" + past},
        {withField(0, 8, size - 10), "the sound clip of directory record 1" + past},
        {withField(2, 20, size), "the program code of directory record 3" + past},
        {withField(4, 8, size), "the descriptive text of directory record 5" + past},
    };
    for (const auto& [bytes, problem] : cases) {
        EXPECT_EQ(RefusalOf(bytes), "Problem reading test.spj: " + problem + ". Cannot continue.");
    }
}

TEST(ReaderRefuses, FilesFarTooLarge) {
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
