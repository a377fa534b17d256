#include "core/cv/cv_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox {
namespace {

std::string RowText(const GridModel& grid, int row) {
    std::string text;
    for (int c = 0; c < grid.Cols(); ++c) text += (c > 0 ? "|" : "") + grid.Cell(row, c);
    return text;
}

TEST(BuildCVRows, OneRowPerCVWithItsNameAndValueInEveryBase) {
    std::array<std::uint8_t, 256> values{};
    values[0] = 99;  // CV 0 is never listed
    values[3] = 6;
    values[29] = 29;
    values[255] = 255;
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End())
        .StartupCVs(values)
        .Text("(B)\r\nCV255 Last One\r\n(C)\r\n");
    std::vector<std::uint8_t> bytes = builder.Build();
    bytes.at(builder.BlockOffset(1) + 2 * 5 + 1) = 0xFF;  // only a pair's first byte counts
    const auto project = ReadProject(bytes, "test.spj");
    ASSERT_TRUE(project.ok());
    CVNames names;
    LoadCVNames(project.value(), names);
    GridModel grid;
    grid.AddRow({{"left over"}});
    PrepareCVGrid(grid);
    BuildCVRows(project.value(), names, grid);

    ASSERT_EQ(grid.Rows(), 256);
    EXPECT_EQ(RowText(grid, 0), "CV|CV Name|Hex|Dec|Binary");
    EXPECT_EQ(grid.ColWidth(1), 2400);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::Default);
    EXPECT_EQ(grid.ColAlignment(2), GridAlignment::Centre);
    EXPECT_EQ(RowText(grid, 1), "CV 1|Two-Digit Address|00|0 |00000000");
    EXPECT_EQ(RowText(grid, 3), "CV 3|Acceleration Rate|06|6 |00000110");
    EXPECT_EQ(RowText(grid, 5), "CV 5||00|0 |00000000");
    EXPECT_EQ(RowText(grid, 29), "CV 29|Configuration Register|1D|29 |00011101");
    EXPECT_EQ(RowText(grid, 255), "CV 255|Last One|FF|255 |11111111");
}

TEST(BuildCVRows, StopsWhereTheFileEnds) {
    // The views refuse such a file first; a project put together by hand must still not be read
    // past its end.
    Project project;
    project.file = FileImage(std::vector<std::uint8_t>(20, 7));
    project.entries.push_back({3, 0, 10, 0, 0, 0, "CVS", 0});
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(project, CVNames{}, grid);
    ASSERT_EQ(grid.Rows(), 5);  // CV 1 to 4 at offsets 12 to 18
    EXPECT_EQ(grid.Cell(4, cv_column::kHex), "07");
}

// A project ending in a startup CV block of `length` bytes.
Outcome<Project> EndingInCVs(std::size_t length) {
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End())
        .Text("t")
        .Entry({3, 0, std::vector<std::uint8_t>(length, 1), 512, 0, "CVS"});
    return ReadProject(builder.Build(), "cut.spj");
}

TEST(CheckStartupCVs, ABlockCutShortLoadsButIsRefusedToTheCVViews) {
    const auto whole = EndingInCVs(511);  // CV 255 is the block's byte 510
    ASSERT_TRUE(whole.ok());
    EXPECT_TRUE(CheckStartupCVs(whole.value(), "cut.spj").ok());

    const auto cut = EndingInCVs(510);
    ASSERT_TRUE(cut.ok()) << cut.refusal().message;
    const auto refused = CheckStartupCVs(cut.value(), "cut.spj");
    ASSERT_FALSE(refused.ok());  // the message is pinned by the command-line tests
    EXPECT_EQ(refused.refusal().place, (Place{Place::In::DirectoryEntry, 2}));
    EXPECT_EQ(refused.refusal().kind, RefusalKind::NotAProject);
}

}  // namespace
}  // namespace tambrelox
