// Reading only the directory and the blocks the summary and text show must
// give what reading the whole file gives, for good files and damaged ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "core/base/file_bytes.h"
#include "core/project/chosen_file.h"
#include "core/project/spj_reader.h"
#include "core/report/catalogue_row.h"
#include "core/report/plain_reports.h"
#include "demo_project.h"
#include "player_fixtures.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using fixture::MinimalProject;
using fixture::SpjBuilder;
using testkit::ScratchFolder;
using Bytes = std::vector<std::uint8_t>;

// Both reads of `bytes`, as a file.
struct BothReads {
    ProjectOutcome whole;
    ProjectOutcome part;
};

BothReads ReadBothWays(const Bytes& bytes) {
    // A new file each time: rewriting one in place makes some file systems flush it to disk.
    static const ScratchFolder folder;
    static int made = 0;
    const auto path = (folder.path() / (std::to_string(++made) + ".spj")).string();
    EXPECT_TRUE(WriteWholeFile(path, bytes).ok());
    BothReads reads{ReadProjectFile(path, "p.spj", ReadExtent::WholeFile),
                    ReadProjectFile(path, "p.spj", ReadExtent::SummaryAndText)};
    std::filesystem::remove(path);
    return reads;
}

void ExpectSameProject(const Project& whole, const Project& part) {
    // The author, every clip, row and total, the requirement and the text: all that a part read
    // serves, as the reports give it.
    const ChosenFile file = SplitChosenPath("/p.spj");
    EXPECT_EQ(SummaryReportText(file, whole, {}, ""), SummaryReportText(file, part, {}, ""));
    EXPECT_EQ(CatalogueRow(file, whole), CatalogueRow(file, part));
    EXPECT_EQ(TextReportText(whole), TextReportText(part));
}

void ExpectSameRefusal(const BothReads& reads, const std::string& what) {
    ASSERT_EQ(reads.whole.ok(), reads.part.ok()) << what;
    if (reads.whole.ok()) {
        ExpectSameProject(reads.whole.value(), reads.part.value());
        return;
    }
    const ProjectRefusal& a = reads.whole.refusal();
    const ProjectRefusal& b = reads.part.refusal();
    EXPECT_EQ(a.message, b.message) << what;
    EXPECT_EQ(a.kind, b.kind) << what;
    EXPECT_EQ(a.place, b.place) << what;
    EXPECT_EQ(a.authorShown, b.authorShown) << what;
}

TEST(PartialRead, GivesTheSameProjectAndLeavesTheSoundUnread) {
    SpjBuilder manyClips = MinimalProject();
    for (std::uint32_t handle = 20; handle < 60; ++handle) {
        manyClips.Clip(handle, "clip" + std::to_string(handle) + ".wav",
                       fixture::MakeWave(fixture::Tone(200.0 + handle, 0.2), handle % 2 ? 8 : 16),
                       static_cast<std::uint8_t>(handle % 3));
    }
    // A text shorter than the author search, with the author in the bytes after it.
    SpjBuilder shortText;
    const std::string_view author = "AUTHOR: Beyond";
    shortText.Code(fixture::ProgramCode().Voice(1).Scheme(1).End())
        .Text("x")
        .StartupCVs({})
        .Entry({9, 0, {author.begin(), author.end()}, 0, 0, "after"});
    const std::vector<Bytes> projects{MinimalProject().Build(), manyClips.Build(),
                                      shortText.Build(), fixture::CVsCutShortProject().Build(),
                                      fixture::BuildDemoProject()};
    for (const Bytes& bytes : projects) {
        const BothReads reads = ReadBothWays(bytes);
        ASSERT_TRUE(reads.whole.ok()) << reads.whole.refusal().message;
        ASSERT_TRUE(reads.part.ok()) << reads.part.refusal().message;
        ExpectSameProject(reads.whole.value(), reads.part.value());
        EXPECT_NO_THROW((void)reads.whole.value().bytes());
        // A small file may come whole with the first read; a larger one never does.
        if (bytes.size() > 8192) {
            EXPECT_THROW((void)reads.part.value().bytes(), std::logic_error);
        }
    }
    EXPECT_EQ(ReadBothWays(shortText.Build()).part.value().author, "Beyond");
}

TEST(PartialRead, RefusesDamagedFilesAlikeWithTheSameMessages) {
    const Bytes whole = MinimalProject().Build();
    for (std::size_t length = 0; length < whole.size(); length += 7) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        ExpectSameRefusal(ReadBothWays(cut), "cut to " + std::to_string(length));
    }
    // Every byte of the header and directory, then of the blocks, set to values
    // that break fields, types, names and program code.
    for (std::size_t at = 0; at < whole.size(); at += at < 1024 ? 1 : 61) {
        for (const int value : {0x00, 0x81, 0xF1, 0xFF}) {
            Bytes damaged = whole;
            damaged[at] = static_cast<std::uint8_t>(value);
            ExpectSameRefusal(ReadBothWays(damaged),
                              "byte " + std::to_string(at) + " set to " + std::to_string(value));
        }
    }
}

TEST(PartialRead, ScansProgramCodeOnIntoTheNextBlockAsTheFileHoldsIt) {
    // A block of one voice opcode: its operand is the next block's first byte.
    SpjBuilder oneByte;
    oneByte.Entry({2, 0, {0x81}, 1, 0, "CODE"})
        .Entry({9, 0, {7, 7}, 0, 0, "next"})
        .StartupCVs({})
        .Text("t");
    const BothReads runsPast = ReadBothWays(oneByte.Build());
    const Place pastTheOperand{Place::In::FileOffset, oneByte.BlockOffset(0) + 2};
    for (const auto* read : {&runsPast.whole, &runsPast.part}) {
        ASSERT_FALSE(read->ok());
        EXPECT_EQ(read->refusal().place, pastTheOperand);
    }
    // An empty block before an end instruction: the scan ends there.
    SpjBuilder empty;
    empty.Entry({2, 0, {}, 0, 0, "CODE"})
        .Entry({9, 0, {0xF1, 0x1F}, 0, 0, "next"})
        .StartupCVs({})
        .Text("t");
    const BothReads ends = ReadBothWays(empty.Build());
    EXPECT_TRUE(ends.whole.ok() && ends.part.ok());
}

}  // namespace
}  // namespace tambrelox
