// Thousands of damaged projects: each must end in a project or a clear
// refusal, and whatever is accepted must be showable, printable and playable.
// Run under the sanitizers, this also proves no byte outside a file is read.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string_view>
#include <unordered_set>

#include "core/cv/cv_table.h"
#include "core/grid/grid_model.h"
#include "core/grid/summary_grid.h"
#include "core/project/text_lines.h"
#include "core/report/cv_printout.h"
#include "core/report/report_frame.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"
#include "core/sound/pcm_wave.h"
#include "core/sound/repeat_wave.h"
#include "demo_project.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Prints a document through the text printer; it must come out whole.
void ExpectPrinted(const std::function<void(ColumnPrinter&)>& printout, const char* what) {
    TextPages pages;
    ColumnPrinter printer(pages);
    printout(printer);
    EXPECT_FALSE(printer.failed()) << what;
    EXPECT_TRUE(pages.ended()) << what;
}

// The header bytes and the sizes the wave code goes by: far more than a wave
// header and the 100 pairs scanned for the data chunk.
std::size_t WaveFingerprint(ByteView clip, int bits) {
    constexpr std::size_t kHeaderBytes = 256;
    const auto bytes = clip.bytes();
    const std::string_view header(reinterpret_cast<const char*>(bytes.data()),
                                  std::min(bytes.size(), kHeaderBytes));
    return std::hash<std::string_view>{}(header) ^ (std::hash<std::size_t>{}(bytes.size()) << 1) ^
           (std::hash<int>{}(bits) << 2);
}

// Walks everything the windows would show, print and play of damaged files.
class DamagedProjects {
  public:
    // Reads a damaged file and walks an accepted one; says whether it was accepted.
    bool ExpectProjectOrRefusal(const Bytes& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        const auto outcome = testkit::Read(bytes);
        if (!outcome.ok()) {
            EXPECT_NE(outcome.refusal().message.find("test.spj"), std::string::npos);
            return false;
        }
        const Project& project = outcome.value();
        GridModel grid;
        PrepareSummaryGrid(grid);
        FillSummaryGrid(project, NumberFormat{}, grid);
        EXPECT_GE(grid.Rows(), 9);
        EXPECT_FALSE(DescriptiveTextLines(project.descriptiveText()).empty());

        const ReportSource source{"/damaged/test.spj", project.author, "printed"};
        ExpectPrinted([&](ColumnPrinter& p) { PrintSummaryReport(p, grid, source, {}); },
                      "summary");
        ExpectPrinted([&](ColumnPrinter& p) { PrintDescriptiveText(p, project.descriptiveText()); },
                      "text");
        PlayEveryClip(project);
        ExpectCVsShownOrRefused(project, source);
        return true;
    }

    // Different clips played so far: damage must not leave nothing to play.
    [[nodiscard]] std::size_t clipsPlayed() const { return played_.size(); }

  private:
    // The CV views refuse a CV block cut short; a whole one gives all 255 rows.
    static void ExpectCVsShownOrRefused(const Project& project, const ReportSource& source) {
        if (const auto cvs = CheckStartupCVs(project, "test.spj"); !cvs.ok()) {
            EXPECT_NE(cvs.refusal().message.find("test.spj"), std::string::npos);
            return;
        }
        const GridModel cvGrid = CVGrid(project);
        EXPECT_EQ(cvGrid.Rows(), 256);
        ExpectPrinted([&](ColumnPrinter& p) { PrintCVReport(p, cvGrid, source); }, "CVs");
    }

    // Every clip as the player takes it: the sound the device is handed and
    // the repeat play wave. Clips that differ only past their headers take the
    // same way through the wave code, so only the first of them is played:
    // that keeps the test quick.
    void PlayEveryClip(const Project& project) {
        for (const ClipSummary& clip : project.summary.clips) {
            const ByteView block = project.block(clip.entry);
            const int bits = project.entries[clip.entry].waveBits;
            if (!played_.insert(WaveFingerprint(block, bits)).second) continue;
            (void)ReadPcmWave(block);
            if (const auto repeat = BuildRepeatWave(block, bits); repeat.ok()) {
                EXPECT_LE(repeat.value().size(), block.size() + kRepeatBudgetTwoBytes);
            }
        }
    }

    std::unordered_set<std::size_t> played_;
};

std::vector<Bytes> Originals() {
    return {fixture::BuildDemoProject(), fixture::MinimalProject().Build()};
}

// A copy of exactly the bytes kept, so that a sanitizer sees any read past it: every
// byte of the small project, the directory and first blocks of the demo.
TEST(MalformedCorpus, EveryTruncationIsRefused) {
    DamagedProjects damaged;
    for (const Bytes& original : Originals()) {
        ASSERT_TRUE(testkit::Read(original).ok());
        const bool small = original.size() < 65536;
        for (std::size_t cut = 0; cut < original.size(); cut += (small || cut < 2048 ? 1 : 509)) {
            EXPECT_FALSE(damaged.ExpectProjectOrRefusal(
                Bytes(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(cut)),
                "cut at " + std::to_string(cut)));
        }
    }
}

TEST(MalformedCorpus, RandomByteFlipsInTheDirectoryAndBlocks) {
    DamagedProjects damaged;
    std::mt19937 random(20261206);
    for (const Bytes& original : Originals()) {
        std::uniform_int_distribution<std::size_t> directoryByte(0, 128 * 10 - 1);
        std::uniform_int_distribution<std::size_t> anyByte(0, original.size() - 1);
        std::uniform_int_distribution<int> value(0, 255);
        for (int mutant = 0; mutant < 3000; ++mutant) {
            Bytes bytes = original;
            for (int flips = 1 + mutant % 4; flips > 0; --flips) {
                const std::size_t at = mutant % 3 == 0 ? anyByte(random) : directoryByte(random);
                bytes[at] = static_cast<std::uint8_t>(value(random));
            }
            damaged.ExpectProjectOrRefusal(bytes, "mutant " + std::to_string(mutant));
        }
    }
    EXPECT_GT(damaged.clipsPlayed(), 1000U);
}

TEST(MalformedCorpus, OffsetsLengthsAndCountsPointingPastTheEnd) {
    DamagedProjects damaged;
    for (const Bytes& original : Originals()) {
        const auto size = static_cast<std::uint32_t>(original.size());
        const std::uint32_t values[] = {0, 1, size - 1, size, size + 1, 0x7FFFFF, 0xFFFFFF};
        const std::size_t records = (original.at(12) + 256U * original.at(13)) / 128U + 1U;
        for (std::size_t record = 0; record < records; ++record) {
            for (const std::size_t field : {0U, 4U, 8U, 12U, 16U, 20U}) {
                for (const std::uint32_t value : values) {
                    Bytes bytes = original;
                    const std::size_t at = 128 * record + field;
                    if (at + 4 > bytes.size()) continue;
                    testkit::PutField(bytes, at, value);
                    damaged.ExpectProjectOrRefusal(bytes, "record " + std::to_string(record) +
                                                              " field " + std::to_string(field) +
                                                              " = " + std::to_string(value));
                }
            }
        }
    }
}

}  // namespace
}  // namespace tambrelox
