#include "core/grid/grid_model.h"

#include <gtest/gtest.h>

namespace tambrelox {
namespace {

TEST(GridModel, RowsFollowTheHeadingEveryCellIsCheckedAndOneRowLeavesTheHeading) {
    GridModel grid;
    grid.SetFormatString("^A|B|C");
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.Cell(0, 0), "A");
    EXPECT_EQ(grid.ColAlignment(0), GridAlignment::Centre);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::Default);
    grid.AddRow({{"one"}});
    grid.AddRow({{"x"}, {""}, {"1,024", 1024}});
    ASSERT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cell(1, 0), "one");
    EXPECT_EQ(grid.Cell(1, 1), "");
    EXPECT_EQ(grid.Number(1, 2), std::nullopt);
    EXPECT_EQ(grid.Cell(2, 2), "1,024");
    EXPECT_EQ(grid.Number(2, 2), 1024);
    EXPECT_THROW(grid.AddRow({{"a"}, {"b"}, {"c"}, {"d"}}), std::out_of_range);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_THROW((void)grid.Cell(3, 0), std::out_of_range);
    EXPECT_THROW((void)grid.Number(0, -1), std::out_of_range);
    EXPECT_THROW(grid.SetColWidth(3, 100), std::out_of_range);
    grid.SetRows(1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Cell(0, 1), "B");
    grid.AddRow({{"first"}});
    EXPECT_EQ(grid.Cell(1, 0), "first");
    EXPECT_THROW(grid.SetRows(0), std::out_of_range);
}

}  // namespace
}  // namespace tambrelox
