// Thousands of damaged projects: each must end in a project or a clear
// refusal, and whatever is accepted must be showable. Run under the
// sanitizers, this also proves no byte outside a file is read.
#include <gtest/gtest.h>

#include <random>

#include "cvviewer/cv_table.h"
#include "demo_project.h"
#include "platform/grid_model.h"
#include "project/summary_grid.h"
#include "project/text.h"
#include "textviewer/text_lines.h"
#include "test_files.h"

namespace tambrelox {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Reads a damaged file and walks everything the windows would show of it.
void ExpectProjectOrRefusal(const Bytes& bytes, const std::string& what) {
    SCOPED_TRACE(what);
    const auto outcome = testing::Read(bytes);
    if (!outcome.ok()) {
        EXPECT_NE(outcome.refusal().message.find("test.spj"), std::string::npos);
        return;
    }
    const Project& project = outcome.value();
    GridModel grid;
    PrepareSummaryGrid(grid);
    FillSummaryGrid(project, NumberFormat{}, grid);
    EXPECT_GE(grid.Rows(), 9);
    CVNames names;
    LoadCVNames(project, names);
    GridModel cvGrid;
    PrepareCVGrid(cvGrid);
    BuildCVRows(project, names, cvGrid);
    EXPECT_EQ(cvGrid.Rows(), 256);
    EXPECT_FALSE(DescriptiveTextLines(project.descriptiveText()).empty());
}

std::vector<Bytes> Originals() {
    return {fixture::BuildDemoProject(), fixture::MinimalProject().Build()};
}

TEST(MalformedCorpus, TruncationAtEveryRecordAndBlockBoundary) {
    for (const Bytes& original : Originals()) {
        for (std::size_t cut = 0; cut < original.size(); cut += (cut < 2048 ? 1 : 509)) {
            ExpectProjectOrRefusal(Bytes(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(cut)),
                                   "cut at " + std::to_string(cut));
        }
    }
}

TEST(MalformedCorpus, RandomByteFlipsInTheDirectoryAndBlocks) {
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
            ExpectProjectOrRefusal(bytes, "mutant " + std::to_string(mutant));
        }
    }
}

TEST(MalformedCorpus, OffsetsLengthsAndCountsPointingPastTheEnd) {
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
                    testing::PutField(bytes, at, value);
                    ExpectProjectOrRefusal(bytes, "record " + std::to_string(record) + " field " +
                                                      std::to_string(field) + " = " + std::to_string(value));
                }
            }
        }
    }
}

}  // namespace
}  // namespace tambrelox
