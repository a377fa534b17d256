#include "core/grid/grid_model.h"

#include <gtest/gtest.h>

namespace tambrelox {
namespace {

TEST(GridModel, AddItemFillsCellsFromTabsAfterTheHeading) {
    GridModel grid;
    grid.SetFormatString("^A|B|C");
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.Cell(0, 0), "A");
    EXPECT_EQ(grid.ColAlignment(0), GridAlignment::Centre);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::Default);
    grid.AddItem("one");
    grid.AddItem("x\t\ty\tignored");
    ASSERT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cell(1, 0), "one");
    EXPECT_EQ(grid.Cell(1, 1), "");
    EXPECT_EQ(grid.Cell(2, 1), "");
    EXPECT_EQ(grid.Cell(2, 2), "y");
}

TEST(GridModel, ClearAndOneRowLeaveOnlyTheHeadingPlace) {
    GridModel grid;
    grid.SetFormatString("A|B");
    grid.AddItem("1\t2");
    grid.Clear();
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cell(1, 0), "");
    EXPECT_EQ(grid.Cell(0, 0), "");
    grid.SetRows(1);
    grid.AddItem("first");
    EXPECT_EQ(grid.Cell(1, 0), "first");
}

TEST(GridModel, NumericSortMovesWholeRowsAndKeepsTiesInOrder) {
    GridModel grid;
    grid.SetFormatString("H|N");
    for (const char* row : {" 12\ttwelve", " 3\tthree", " 7\tseven", " 3\tthree again"})
        grid.AddItem(row);
    grid.SetCol(0);
    grid.Sort(GridSort::NumericAscending);
    EXPECT_EQ(grid.Cell(1, 1), "three");
    EXPECT_EQ(grid.Cell(2, 1), "three again");
    EXPECT_EQ(grid.Cell(3, 1), "seven");
    EXPECT_EQ(grid.Cell(4, 1), "twelve");
    EXPECT_EQ(grid.Cell(0, 0), "H");
}

TEST(GridModel, CurrentCellIsCheckedAgainstTheTable) {
    GridModel grid;
    grid.SetFormatString("A|B");
    grid.AddItem("a\tb");
    grid.SetRow(1);
    grid.SetCol(1);
    EXPECT_EQ(grid.Text(), "b");
    EXPECT_THROW(grid.SetRow(2), std::out_of_range);
    EXPECT_THROW(grid.SetCol(-1), std::out_of_range);
}

}  // namespace
}  // namespace tambrelox
