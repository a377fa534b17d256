#include "ui/shared/grid_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

namespace tambrelox {
namespace {

TEST(GridTableModel, ShowsTheHeadingAsHeaderAndCellsUnchanged) {
    GridModel grid;
    grid.SetFormatString("^CV|CV Name");
    grid.AddItem("CV 1\tTwo-Digit Address");
    grid.AddItem(" \t");
    GridTableModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "CV");
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "Two-Digit Address");
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), " ");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.data(model.index(5, 0)).isValid());

    grid.AddItem("CV 2\tStart Voltage");
    model.Refresh();
    EXPECT_EQ(model.rowCount(), 3);
}

}  // namespace
}  // namespace tambrelox
