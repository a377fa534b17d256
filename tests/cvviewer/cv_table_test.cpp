#include "cvviewer/cv_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox {
namespace {

GridModel TableFor(const std::array<std::uint8_t, 256>& values, const std::string& text) {
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End()).StartupCVs(values).Text(text);
    auto outcome = ReadProject(builder.Build(), "test.spj");
    EXPECT_TRUE(outcome.ok());
    CVNames names;
    LoadCVNames(outcome.value(), names);
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(outcome.value(), names, grid);
    return grid;
}

std::string RowText(const GridModel& grid, int row) {
    std::string text;
    for (int c = 0; c < grid.Cols(); ++c) text += (c > 0 ? "|" : "") + grid.Cell(row, c);
    return text;
}

TEST(BinaryDigits, EightDigitsMostSignificantFirst) {
    EXPECT_EQ(BinaryDigits(0), "00000000");
    EXPECT_EQ(BinaryDigits(6), "00000110");
    EXPECT_EQ(BinaryDigits(128), "10000000");
    EXPECT_EQ(BinaryDigits(255), "11111111");
}

TEST(CVGrid, HeadingAndColumnsOfTheTable) {
    GridModel grid;
    grid.AddItem("left over");
    PrepareCVGrid(grid);
    ASSERT_EQ(grid.Rows(), 1);
    ASSERT_EQ(grid.Cols(), 5);
    EXPECT_EQ(RowText(grid, 0), "CV|CV Name|Hex|Dec|Binary");
    EXPECT_EQ(grid.ColWidth(1), 2400);
    EXPECT_EQ(grid.ColWidth(4), 1200);
    EXPECT_EQ(grid.ColAlignment(0), GridAlignment::Centre);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::Default);
    EXPECT_EQ(grid.ColAlignment(3), GridAlignment::Centre);
}

TEST(BuildCVRows, OneRowPerCVWithValuesInEveryBase) {
    std::array<std::uint8_t, 256> values{};
    values[0] = 99;  // CV 0 is never listed
    values[3] = 6;
    values[29] = 29;
    values[255] = 255;
    const GridModel grid = TableFor(values, "(B)\r\nCV255 Last One\r\n(C)\r\n");

    ASSERT_EQ(grid.Rows(), 256);
    EXPECT_EQ(RowText(grid, 1), "CV 1|Two-Digit Address|00|0 |00000000");
    EXPECT_EQ(RowText(grid, 3), "CV 3|Acceleration Rate|06|6 |00000110");
    EXPECT_EQ(RowText(grid, 29), "CV 29|Configuration Register|1D|29 |00011101");
    EXPECT_EQ(RowText(grid, 100), "CV 100||00|0 |00000000");
    EXPECT_EQ(RowText(grid, 255), "CV 255|Last One|FF|255 |11111111");
}

TEST(BuildCVRows, ReadsOnlyTheFirstByteOfEachPair) {
    fixture::SpjBuilder builder;
    builder.Code(fixture::ProgramCode().End()).StartupCVs({}).Text("");
    std::vector<std::uint8_t> bytes = builder.Build();
    const std::size_t block = builder.BlockOffset(1);
    bytes.at(block + 2 * 5 + 1) = 0xFF;  // second byte of CV 5's pair
    bytes.at(block + 2 * 6) = 0xA0;
    auto outcome = ReadProject(bytes, "test.spj");
    ASSERT_TRUE(outcome.ok());
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(outcome.value(), CVNames{}, grid);
    EXPECT_EQ(grid.Cell(5, cv_column::kHex), "00");
    EXPECT_EQ(grid.Cell(6, cv_column::kHex), "A0");
    EXPECT_EQ(grid.Cell(6, cv_column::kDec), "160 ");
}

TEST(BuildCVRows, StopsWhereTheFileEnds) {
    // The reader refuses such a file; a project put together by hand must still not be read past
    // its end.
    Project project;
    project.data.assign(20, 7);
    project.entries.push_back({3, 0, 10, 0, 0, 0, "CVS", 0});
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(project, CVNames{}, grid);
    ASSERT_EQ(grid.Rows(), 5);  // CV 1 to 4 at offsets 12 to 18
    EXPECT_EQ(grid.Cell(4, cv_column::kHex), "07");
}

}  // namespace
}  // namespace tambrelox
