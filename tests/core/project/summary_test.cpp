#include "core/project/summary.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace tambrelox {
namespace {

using fixture::FixtureEntry;
using fixture::MakeWave;
using fixture::ProgramCode;
using fixture::SpjBuilder;
using fixture::Tone;
using testkit::Read;

// A clip entry whose stored sound data size is `size`, with a wave header saying `bits`.
FixtureEntry ClipEntry(std::uint32_t handle, int bits, std::uint32_t size, std::uint8_t dlCode) {
    return {1, handle, MakeWave(Tone(440, 0.01), bits).bytes, size, dlCode, "c.wav"};
}

SpjBuilder ProjectOf(std::initializer_list<FixtureEntry> clips, int voices = 3) {
    SpjBuilder builder;
    for (const auto& clip : clips) builder.Entry(clip);
    ProgramCode code;
    for (int v = 1; v <= voices; ++v) code.Voice(static_cast<std::uint8_t>(v));
    builder.Code(code.End()).StartupCVs({}).Text("t");
    return builder;
}

using Row = std::vector<std::string>;

std::vector<Row> GridRows(const Project& project) {
    const GridModel grid = SummaryGrid(project, {});
    std::vector<Row> rows;
    for (int r = 0; r < grid.Rows(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < grid.Cols(); ++c) rows.back().push_back(grid.Cell(r, c));
    }
    return rows;
}

TEST(Summary, RescalesEveryDepthPair) {
    struct Case {
        int bits;
        int depth;
        double expected;
    };
    for (const Case c : {Case{8, 12, 1500}, Case{8, 16, 2000}, Case{12, 8, 2000.0 / 3},
                         Case{12, 16, 4000.0 / 3}, Case{16, 8, 500}, Case{16, 12, 750},
                         Case{8, 8, 1000}, Case{16, 16, 1000}, Case{7, 16, 1000}}) {
        EXPECT_DOUBLE_EQ(RescaleToDownloadDepth(1000, c.bits, c.depth), c.expected)
            << c.bits << "->" << c.depth;
    }
    EXPECT_EQ(RescaleToDownloadDepth(1000, 8, std::nullopt), 1000);
}

// The size at the download depth; an unknown DL code carries the depth of the clip before.
TEST(Summary, ClipRowsShowTheSizeAtTheDownloadDepth) {
    const auto rows = GridRows(Read(ProjectOf({ClipEntry(1, 8, 1000, 3), ClipEntry(2, 16, 22050, 0),
                                               ClipEntry(3, 8, 1000, 1), ClipEntry(4, 8, 1000, 2),
                                               ClipEntry(5, 8, 1000, 9)}))
                                   .value());
    EXPECT_EQ(rows[1], (Row{" 1", " c.wav", "8", "", "154", ".091", "1,024"}));  // none to carry
    EXPECT_EQ(rows[2], (Row{" 2", " c.wav", "16", "8", "264", "1.", "11,264"}));
    EXPECT_EQ(rows[5], (Row{" 5", " c.wav", "8", "16", "154", ".181", "2,048"}));
}

TEST(Summary, EqualHandlesKeepTheirDirectoryOrder) {
    // Enough clips that a sort which is not stable does reorder them; 9 before 10, as numbers.
    SpjBuilder builder;
    for (int k = 0; k < 40; ++k) {
        FixtureEntry clip = ClipEntry(k % 2 == 0 ? 10 : 9, 8, 256, 0);
        clip.name = std::to_string(k);
        builder.Entry(clip);
    }
    builder.Code(ProgramCode().End()).StartupCVs({}).Text("t");
    const auto rows = GridRows(Read(builder).value());
    for (int k = 0; k < 40; ++k) {
        const int directoryIndex = k < 20 ? 2 * k + 1 : 2 * (k - 20);
        EXPECT_EQ(rows[static_cast<std::size_t>(k) + 1][1], " " + std::to_string(directoryIndex));
    }
}

// The rows below the heading are pinned as printed, with the summary printout.
TEST(Summary, HeadingRowAndNoClipsLeavingTheCountEmpty) {
    const auto rows = GridRows(Read(ProjectOf({})).value());
    EXPECT_EQ(rows[0], (Row{"Handle", "  Wave File Name   ", "Bits", "DL", " File Size ",
                            " Play Sec ", " FlashSize* "}));
    EXPECT_EQ(rows[6][2], "");
    EXPECT_EQ(rows[2][6], "");
}

TEST(Summary, DecoderRequirementThresholds) {
    // The program code of ProjectOf rounds to 256 bytes; the clips make up the rest.
    const auto requirement = [](std::uint32_t clipBytes, int voices) {
        return Read(ProjectOf({ClipEntry(1, 8, clipBytes, 0)}, voices)).value().summary.requirement;
    };
    EXPECT_EQ(requirement(2049 * 256, 3), kAnyDecoder);      // 524,800 in all
    EXPECT_EQ(requirement(2050 * 256, 3), kSixteenMegabit);  // 525,056 in all
    EXPECT_EQ(requirement(0, 4), kPremiumOnly);
    EXPECT_EQ(requirement(2050 * 256, 4), kPremiumOnly);
}

}  // namespace
}  // namespace tambrelox
