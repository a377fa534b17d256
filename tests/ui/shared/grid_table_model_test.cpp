#include "ui/shared/grid_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

namespace tambrelox {
namespace {

// What rows and headings it shows is the main and CV windows' test; invalid
// indexes and the like are the model tester's.
TEST(GridTableModel, CentresWhatTheFormatCentresAndEditsNothing) {
    GridModel grid;
    grid.SetFormatString("^CV|CV Name");
    grid.AddRow({{"CV 1"}, {"Two-Digit Address"}});
    grid.AddRow({{" "}});  // a row short of cells
    GridTableModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}

}  // namespace
}  // namespace tambrelox
