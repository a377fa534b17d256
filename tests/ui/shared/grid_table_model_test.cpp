#include "ui/shared/grid_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

namespace tambrelox {
namespace {

TEST(GridTableModel, ShowsTheHeadingAsHeaderAndCellsUnchanged) {
    GridModel grid;
    grid.SetFormatString("^CV|CV Name");
    grid.AddRow({{"CV 1"}, {"Two-Digit Address"}});
    grid.AddRow({{" "}});
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

    grid.AddRow({{"CV 2"}, {"Start Voltage"}});
    model.Refresh();
    EXPECT_EQ(model.rowCount(), 3);
}

}  // namespace
}  // namespace tambrelox
